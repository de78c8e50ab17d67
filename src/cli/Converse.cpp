#include "cli/Converse.h"

#include "cli/DamageNotices.h"
#include "cli/KeptRecord.h"
#include "cli/TerminalFrontEnd.h"
#include "cli/TerminalText.h"
#include "engine/Dialogue.h"
#include "engine/DialogueRecord.h"
#include "engine/KnowledgeFiles.h"

#include <array>
#include <functional>
#include <ostream>
#include <string>

namespace orlevan::cli {
namespace {

struct Side {
    Side(const Folder& folder, const Clock& clock, Random& random, std::ostream& out,
         std::string name)
        : dialogue(folder, clock, random), frontEnd(out, name + ": "), name(std::move(name)) {}

    Dialogue dialogue;
    TerminalFrontEnd frontEnd;
    std::string name;
};

class Conversation {
public:
    Conversation(const Folder& folderA, const Folder& folderB, const Clock& clock, Random& random,
                 std::ostream& out, std::ostream& err)
        : a_(folderA, clock, random, out, "A"), b_(folderB, clock, random, out, "B"), err_(err) {}

    int run(int turns) {
        for (Side* side : {&a_, &b_}) {
            writeRecordHeader(side->dialogue);
        }
        std::string phrase;
        bool going = attempt(a_, [&] { phrase = greeting(a_); });
        for (int turn = 0; going && turn < turns; ++turn) {
            Side& side = turn % 2 == 0 ? b_ : a_;
            if (phrase.empty()) {
                // An empty line of a reply file: nothing to answer, and an
                // empty phrase is no turn.
                err_ << (&side == &a_ ? b_ : a_).name
                     << " said nothing, so the conversation ends.\n";
                break;
            }
            going = attempt(side, [&] {
                side.dialogue.turn(phrase, side.frontEnd.previousLine(), side.frontEnd);
            });
            phrase = side.dialogue.state.CpuPhrase;
            going = going && !side.frontEnd.closing();
        }
        for (Side* side : {&a_, &b_}) {
            failed_ = !keepRecord(side->dialogue, err_, side->name + ": ") || failed_;
            tellDamage(*side);
        }
        return failed_ ? 1 : 0;
    }

private:
    // A line of the side's greetings, said and logged as its own.
    static std::string greeting(Side& side) {
        Dialogue& dialogue = side.dialogue;
        TurnContext context = dialogue.context();
        dialogue.reseedFromClock();
        context.RE2.load(context.folder, files::Begin);
        std::string line(context.RE2.randomLine(context.random));
        dialogue.logReply(line);
        side.frontEnd.say(line);
        return line;
    }

    bool attempt(Side& side, const std::function<void()>& step) {
        std::string message;
        try {
            step();
        } catch (const std::exception& failure) {
            message = failureMessage(failure);
        }
        tellDamage(side);
        if (message.empty()) {
            return true;
        }
        err_ << side.name << ": " << message << '\n' << std::flush;
        failed_ = true;
        return false;
    }

    void tellDamage(Side& side) {
        cli::tellDamage(side.dialogue.context().folder, err_, side.name + ": ");
    }

    Side a_;
    Side b_;
    std::ostream& err_;
    bool failed_ = false;
};

} // namespace

int converse(const Folder& folderA, const Folder& folderB, int turns, const Clock& clock,
             Random& random, std::ostream& out, std::ostream& err) {
    return Conversation(folderA, folderB, clock, random, out, err).run(turns);
}

} // namespace orlevan::cli
