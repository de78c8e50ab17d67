#include "engine/ReplySelection.h"

#include "engine/KeyMatch.h"
#include "engine/RunMatch.h"
#include "engine/WordsIndex.h"
#include "engine/WordsLine.h"
#include "platform/format/Casing.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Random.h"

namespace orlevan {
namespace {

// Every alternative of line `index` is equally likely.
void PickAlternative(const WordsLine& line, int index, DialogueState& state, Random& random) {
    state.ReplyPick = random.below(line.alternativeCount) + 1;
    state.CpuPhrase = line.alternative(state.ReplyPick - 1);
    state.ReplyFile = files::WordsForSearch;
    state.ReplyLine = index;
}

void openTopic(DialogueState& state, int line) {
    state.TopicDepth = 1;
    state.TopicLine = line;
}

// The line the index found gives the reply and opens the topic.
bool answerFrom(TurnContext& context, DialogueState& state, int index, ReplySource source,
                Reply& reply) {
    if (index == 0) {
        return false;
    }
    const WordsLine line = parseWordsLine(context.RE2.line(index));
    openTopic(state, index);
    PickAlternative(line, index, state, context.random);
    reply = {source, line.exitMark};
    return true;
}

} // namespace

bool BranchPass(TurnContext& context, DialogueState& state, std::string_view upperPhrase) {
    context.RE2.load(context.folder, files::WordsForSearch);
    while (true) {
        state.BranchKey.clear();
        ++state.TopicLine;
        // The end of the file closes the topic just as the next main line
        // does; the search goes on through the whole base.
        if (state.TopicLine >= context.RE2.count()) {
            state.TopicDepth = 0;
            return false;
        }
        const std::string_view text = context.RE2.line(state.TopicLine);
        const int depth = depthOf(text);
        if (depth == 0) {
            state.TopicDepth = 0;
            return false;
        }
        if (depth != state.TopicDepth) {
            continue;
        }
        const WordsLine line = parseWordsLine(text);
        if (!answersFrom(line)) {
            continue;
        }
        state.BranchKey = line.key;
        if (!foundFresh(state.BranchKey, upperPhrase)) {
            continue;
        }
        state.TopicDepth = line.depth + 1;
        state.BranchKey.clear();
        PickAlternative(line, state.TopicLine, state, context.random);
        return true;
    }
}

// Both passes take the first line in file order whose key the phrase holds;
// the index tells which line that is without reading the others.
bool KeyPass(TurnContext& context, DialogueState& state, std::string_view upperPhrase,
             Reply& reply) {
    context.RE2.load(context.folder, files::WordsForSearch);
    const auto& index = context.RE2.indexed<WordsIndex>();
    return answerFrom(context, state, index.firstKeyLine(context.RE2.buffer(), upperPhrase),
                      ReplySource::Key, reply);
}

bool WordPass(TurnContext& context, DialogueState& state, std::string_view upperPhrase,
              Reply& reply) {
    context.RE2.load(context.folder, files::WordsForSearch);
    const auto& index = context.RE2.indexed<WordsIndex>();
    return answerFrom(context, state, index.firstWordsLine(context.RE2.buffer(), upperPhrase),
                      ReplySource::Word, reply);
}

void replyFrom(TurnContext& context, DialogueState& state, std::string_view file) {
    context.RE2.load(context.folder, file);
    state.ReplyLine = context.random.below(context.RE2.count());
    state.ReplyFile = file;
    state.CpuPhrase = context.RE2.line(state.ReplyLine);
}

void ReplyFallback(TurnContext& context, DialogueState& state) {
    const bool question = !state.UserPhrase.empty() && state.UserPhrase.back() == '?';
    replyFrom(context, state, question ? files::W1 : files::W2);
}

Reply selectReply(TurnContext& context, DialogueState& state) {
    const std::string upperPhrase = casing::upper(state.UserPhrase);
    Reply reply;
    if (state.TopicDepth > 0 && BranchPass(context, state, upperPhrase)) {
        return {ReplySource::Branch, false};
    }
    if (KeyPass(context, state, upperPhrase, reply) ||
        WordPass(context, state, upperPhrase, reply)) {
        return reply;
    }
    ReplyFallback(context, state);
    return {ReplySource::Fallback, false};
}

} // namespace orlevan
