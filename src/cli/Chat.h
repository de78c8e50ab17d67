#pragma once

#include "cli/RemarkSchedule.h"
#include "cli/TerminalFrontEnd.h"
#include "engine/Dialogue.h"
#include "engine/Remarks.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace orlevan::cli {

class InputLines;

// The dialogue on a terminal: each non-empty line of input is one turn of
// the window's "Cpu\User" mode, its reply one line of output; with remarks,
// the greeting, the follow-up and the pause remarks come in between, timed
// as the window times them. The record of the dialogue joins the log file
// at the end of input or after a farewell.
class Chat {
public:
    struct Options {
        bool remarks = false;
        // After each reply, which step and line chose it, on `err`.
        bool explain = false;
    };
    Chat(const Folder& folder, const Clock& clock, Random& random, Options options,
         std::ostream& out, std::ostream& err);

    // Talks until the input ends or a reply says farewell; the exit status:
    // 0 when everything succeeded, 1 when a line was refused or anything failed.
    int run(InputLines& input);

private:
    // The next line of input, false at its end; the remarks that fall due
    // while nobody types are made meanwhile.
    bool nextLine(InputLines& input, std::string& line);
    void armFollowUp(bool armed);
    void take(const std::string& utf8, int number);
    void tick(RemarkSchedule::Timer timer);
    // Runs `step`; a failure is reported after `where` and the dialogue goes on.
    // A timer reports the same failure once, not at every tick.
    void attempt(const std::string& where, const std::function<void()>& step,
                 std::string* lastFailure = nullptr);

    Dialogue dialogue_;
    Remarks remarks_{dialogue_};
    std::optional<RemarkSchedule> schedule_;
    TerminalFrontEnd frontEnd_;
    std::ostream& out_;
    std::ostream& err_;
    std::string pauseFailure_;
    std::string followUpFailure_;
    bool explain_ = false;
    bool failed_ = false;
};

} // namespace orlevan::cli
