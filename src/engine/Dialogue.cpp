#include "engine/Dialogue.h"

#include "engine/Learning.h"
#include "engine/Normalise.h"
#include "engine/ReplySelection.h"
#include "engine/Screening.h"
#include "engine/TurnFrontEnd.h"
#include "platform/system/Clock.h"
#include "platform/system/Folder.h"
#include "platform/system/Random.h"

namespace orlevan {

Dialogue::Dialogue(const Folder& folder, const Clock& clock, Random& random)
    : folder_(folder), clock_(clock), random_(random) {}

void Dialogue::reseedFromClock() {
    random_.reseed(clock_.millisecondOfDay());
}

void Dialogue::turn(std::string phrase, std::string previousLine, TurnFrontEnd& frontEnd) {
    reseedFromClock();
    state.UserPhrase = std::move(phrase);
    state.PreviousLine = std::move(previousLine);
    state.FilterHit = false;
    state.BranchKey.clear();
    normalise(state.UserPhrase);
    echo(frontEnd);
    chooseReply(frontEnd);
    output(frontEnd);
}

void Dialogue::echo(TurnFrontEnd& frontEnd) {
    frontEnd.showUserPhrase(state.UserPhrase);
    Log.append(logLine(clock_.longTime(), kUserLabel, state.UserPhrase));
}

void Dialogue::chooseReply(TurnFrontEnd& frontEnd) {
    TurnContext turnContext = context();
    switch (screen(turnContext, state)) {
    case Screened::Insult:
        answeredBy_ = AnsweredBy::Insult;
        recordInsult(turnContext, state);
        return;
    case Screened::Repetition:
        answeredBy_ = AnsweredBy::Repetition;
        return;
    case Screened::LongPhrase:
        answeredBy_ = AnsweredBy::LongPhrase;
        return;
    case Screened::Pass:
        break;
    }
    const Reply reply = selectReply(turnContext, state);
    switch (reply.source) {
    case ReplySource::Key:
    case ReplySource::Word:
        answeredBy_ = reply.source == ReplySource::Key ? AnsweredBy::Key : AnsweredBy::Word;
        frontEnd.setClosing(reply.exitMark);
        break;
    case ReplySource::Fallback:
        answeredBy_ = AnsweredBy::Fallback;
        learnAfterFallback(turnContext, state);
        break;
    case ReplySource::Branch:
        answeredBy_ = AnsweredBy::Branch;
        break;
    }
}

void Dialogue::logReply(const std::string& text) {
    Log.append(logLine(clock_.longTime(), kCpuLabel, text));
}

void Dialogue::output(TurnFrontEnd& frontEnd) {
    frontEnd.showReply(state.CpuPhrase);
    logReply(state.CpuPhrase);
    // One reply in three is followed by a remark; its lines wait in the work buffer.
    const bool followUp = random_.below(3) + 1 == 1;
    frontEnd.setFollowUp(followUp);
    if (followUp) {
        RE2.load(folder_, files::AI);
    }
    if (const auto partner = frontEnd.partnerFile()) {
        LoadtxtCpuCpu.clear();
        LoadtxtCpuCpu.append(state.CpuPhrase);
        LoadtxtCpuCpu.save(folder_, *partner);
    }
    state.LastReply = state.CpuPhrase;
    frontEnd.clearInput();
    state.IdleTicks = 0;
}

} // namespace orlevan
