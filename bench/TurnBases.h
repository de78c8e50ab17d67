#pragma once

// The working folders the turn benchmarks run in: a phrase base of a given
// number of lines, made from the shipped one, with the shipped other files
// of a turn, and the phrases that make each kind of turn.

#include "engine/DialogueState.h"
#include "engine/TurnFrontEnd.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Clock.h"
#include "platform/system/Folder.h"
#include "platform/system/Random.h"

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orlevan::bench {

class FixedClock final : public Clock {
public:
    std::string longTime() const override { return "14:05:09"; }
    std::string shortDate() const override { return "08.12.2026"; }
    unsigned millisecondOfDay() const override { return 50'709'000; }
};

// The same draws every turn, since the turn's reseed rewinds them: the
// screening does not look at the length (2 of 1..6), the first alternative or
// fallback line is taken, and no follow-up remark is armed (2 of 1..3). A draw
// asked for beyond the script, or out of its range, means the turn took a
// path it was not set up for; that is remembered and fails the benchmark.
class ScriptedDraws final : public Random {
public:
    void reseed(unsigned) override { next_ = 0; }
    int below(int n) override;
    bool offScript() const { return offScript_; }

private:
    std::size_t next_ = 0;
    bool offScript_ = false;
};

class SilentFrontEnd final : public TurnFrontEnd {
public:
    void showUserPhrase(const std::string&) override {}
    void showReply(const std::string&) override {}
    void setClosing(bool) override {}
    void setFollowUp(bool) override {}
    std::optional<std::string> partnerFile() const override { return std::nullopt; }
    void clearInput() override {}
};

// A turn: its phrase, and the dialogue state it starts from.
struct TurnSetUp {
    std::string phrase;
    DialogueState start;
    int answeringLine = 0; // the line that answers it; 0 for a learning turn
};

// How the phrase base is stored: as the program's own save leaves it, or as
// plain text, as a base made or grown outside the program comes.
enum class Form { Rich, Plain };

// A working folder holding a phrase base of `lines` lines and the shipped
// other files of a turn.
class Base {
public:
    Base(const std::filesystem::path& root, const PhraseList& shipped, int lines, Form form);

    Folder folder;
    std::string text;  // the phrase base as plain text: its lines, each ended by CR LF
    std::string words; // the bytes of Words.dat and W2.Dat as made
    std::string w2;
    std::string learntWords; // the same after a learning turn, made once by learnOnce()
    std::string learntW2;

    TurnSetUp keyTurn;    // the key of the last line stands whole in the phrase
    TurnSetUp wordTurn;   // the last line's key words stand in it with others between
    TurnSetUp branchTurn; // the topic is open on a main line in the middle and the
                          // phrase holds the key of its last branch of depth 1
    TurnSetUp learnTurn;  // no line answers; the previous reply was the key of a
                          // main line in the middle, which gains the phrase as an answer

    // Puts back the files a learning turn changes. A rich-text base is left
    // as the program's own last save would have left it: written through
    // this folder, its lines known with their index, and nobody else holding
    // them; a plain one is written as it was made.
    void restore();
    // One learning turn, checked, whose files give the floor its sizes; an
    // empty text when all went as planned, else what went wrong.
    std::string learnOnce();

private:
    Form form_;
    std::vector<std::string> original_;
    PhraseList originalW2_;
};

// The line before each phrase in the pane: none of the turns is a repetition.
const std::string& previousLine();

// The bases by number of lines and form, made at first use in a scratch
// folder that goes with the program.
Base& baseOf(int lines, Form form = Form::Rich);

} // namespace orlevan::bench
