#pragma once

#include "engine/DialogueState.h"
#include "engine/KnowledgeFiles.h"
#include "platform/kb/PhraseList.h"

#include <string>

namespace orlevan {

class Clock;
class Folder;
class Random;
class TurnFrontEnd;

// Which step of the last turn chose its reply: one of the screening's, a
// pass of the phrase base, or the fallback.
enum class AnsweredBy { Repetition, Insult, LongPhrase, Branch, Key, Word, Fallback };

// The dialogue: its state across turns and the buffers its turns share,
// and one turn from the taken phrase to the shown reply.
class Dialogue {
public:
    Dialogue(const Folder& folder, const Clock& clock, Random& random);

    DialogueState state;
    PhraseList RE2;           // the work buffer: one knowledge-base file at a time
    PhraseList Log;           // the record of the running dialogue
    PhraseList LoadtxtCpuCpu; // the partner's file in the computer-to-computer mode

    // One turn: normalise and echo the phrase, log it, screen it, choose the
    // reply, learn from it, show the reply and hand it on. A failure (a file
    // that cannot be read or written) ends the turn where it happens: what
    // was done stays done, and LastReply keeps the previous turn's reply.
    // `previousLine` is the pane's second-to-last line before the echo.
    void turn(std::string phrase, std::string previousLine, TurnFrontEnd& frontEnd);

    // Which step answered the last turn; the reply's file and line are in
    // state (ReplyFile, ReplyLine).
    AnsweredBy answeredBy() const { return answeredBy_; }

    // The program's own line in the log.
    void logReply(const std::string& text);

    // What the program's other handlers share with the turn: the folder, the
    // work buffer and the random generator, and the clock of the record.
    TurnContext context() { return {folder_, RE2, random_}; }
    const Clock& clock() const { return clock_; }
    // Every random choice starts from the time of day.
    void reseedFromClock();

private:
    void echo(TurnFrontEnd& frontEnd);
    void chooseReply(TurnFrontEnd& frontEnd);
    void output(TurnFrontEnd& frontEnd);

    const Folder& folder_;
    const Clock& clock_;
    Random& random_;
    AnsweredBy answeredBy_ = AnsweredBy::Fallback;
};

} // namespace orlevan
