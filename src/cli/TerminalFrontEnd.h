#pragma once

#include "engine/TurnFrontEnd.h"

#include <functional>
#include <iosfwd>
#include <string>

namespace orlevan::cli {

// A turn on a terminal: the program's lines are printed, one UTF-8 line
// each (after a side's mark when two engines talk); the user's phrase is not
// printed again, since whoever sent it has it. The dialogue's last two lines
// are kept as the window's pane keeps them, for the repetition test.
class TerminalFrontEnd final : public TurnFrontEnd {
public:
    using FollowUp = std::function<void(bool armed)>;

    TerminalFrontEnd(std::ostream& out, std::string mark, FollowUp followUp = {});

    // The program's own remark: printed and kept as a line of the dialogue.
    void say(const std::string& remark);

    // The line before the last of the dialogue so far.
    const std::string& previousLine() const { return previous_; }

    // Forgets the reply of the turn before, so the next one can be told apart.
    void startTurn() { replied_ = false; }
    bool replied() const { return replied_; }
    bool closing() const { return closing_; }

    void showUserPhrase(const std::string& phrase) override;
    void showReply(const std::string& reply) override;
    void setClosing(bool closing) override { closing_ = closing; }
    void setFollowUp(bool armed) override;
    std::optional<std::string> partnerFile() const override { return std::nullopt; }
    void clearInput() override {}

private:
    void keep(const std::string& line);

    std::ostream& out_;
    std::string mark_;
    FollowUp followUp_;
    std::string previous_;
    std::string last_;
    bool replied_ = false;
    bool closing_ = false;
};

} // namespace orlevan::cli
