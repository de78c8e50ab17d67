#include "engine/Remarks.h"

#include "engine/Dialogue.h"
#include "platform/system/Random.h"

namespace orlevan {
namespace {

constexpr int kShortestPause = 60;
constexpr int kLongestPause = 90;

} // namespace

std::optional<std::string> Remarks::pauseTick() {
    TurnContext context = dialogue_.context();
    DialogueState& state = dialogue_.state;
    // The generator is reseeded once: reseeding before every draw would give
    // the same draw again until the clock moved on.
    dialogue_.reseedFromClock();
    int threshold = 0;
    while (threshold < kShortestPause) {
        threshold = context.random.below(kLongestPause) + 1;
    }
    ++state.IdleTicks;
    if (state.IdleTicks < threshold) {
        return std::nullopt;
    }
    context.RE2.load(context.folder, files::Pause);
    state.CpuPhrase = context.RE2.randomLine(context.random);
    dialogue_.logReply(state.CpuPhrase);
    state.IdleTicks = 0;
    return state.CpuPhrase;
}

std::optional<std::string> Remarks::followUpTick(int interval) {
    AiRemarkTime += 500;
    if (AiRemarkTime != interval) {
        return std::nullopt;
    }
    // The wait is over even when AI.dat cannot be read: the next arming
    // waits its two seconds again rather than never coming due.
    AiRemarkTime = 0;
    TurnContext context = dialogue_.context();
    // Loaded again, not taken from what the turn left in the work buffer: a
    // handler since may have loaded another file there (an exit that failed
    // on the log file leaves the phrase base), and a remark is only ever a
    // line of AI.dat, never a phrase-base line with its marks.
    context.RE2.load(context.folder, files::AI);
    const int line = 1 + context.random.below(context.RE2.count() - 1);
    std::string remark(context.RE2.line(line));
    dialogue_.logReply(remark);
    return remark;
}

std::optional<std::string> Remarks::greeting() {
    TurnContext context = dialogue_.context();
    dialogue_.reseedFromClock();
    if (context.random.below(3) != 0) {
        return std::nullopt;
    }
    DialogueState& state = dialogue_.state;
    context.RE2.load(context.folder, files::Begin);
    state.CpuPhrase = context.RE2.randomLine(context.random);
    dialogue_.logReply(state.CpuPhrase);
    return state.CpuPhrase;
}

} // namespace orlevan
