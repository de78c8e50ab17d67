#include "ReplySelection.h"

#include "Casing.h"
#include "PhraseList.h"
#include "Random.h"
#include "RunMatch.h"
#include "WordsLine.h"

namespace orlevan {
namespace {

// Every alternative is equally likely.
void PickAlternative(const WordsLine& line, DialogueState& state, Random& random) {
    state.ReplyPick = random.below(line.alternativeCount) + 1;
    state.CpuPhrase = line.alternative(state.ReplyPick - 1);
}

void openTopic(DialogueState& state, int line) {
    state.TopicDepth = 1;
    state.TopicLine = line;
}

// Does the line's key (depth marks included) stand in the phrase word by
// word? The matcher's state runs on from one word to the next.
bool wordsInOrder(std::string_view line, std::size_t keyEnd, std::string_view upperPhrase) {
    MatchState state;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t end = start + 1;
        while (end < line.size() && line[end] != ' ' && line[end] != '^') {
            ++end;
        }
        const std::string_view word = line.substr(start, end - start);
        // The first word is searched from a fresh state, so it is found only
        // where it stands whole: most lines end here without a step.
        const bool fresh = start == 0;
        if ((fresh && upperPhrase.find(word) == std::string_view::npos) ||
            !RunMatch(word, upperPhrase, state)) {
            return false;
        }
        if (end == keyEnd) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

} // namespace

// Lines that break the syntax are passed over as if they were not there, so
// a hand-edited base with a slip in it still answers from its other lines.
bool answersFrom(const WordsLine& line) {
    return line.fault == LineFault::None && !line.unanswered();
}

std::string_view keyPassPattern(std::string_view text, const WordsLine& line) {
    return text.substr(0, static_cast<std::size_t>(line.depth) + line.key.size());
}

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
        const WordsLine line = parseWordsLine(text);
        if (line.depth == 0) {
            state.TopicDepth = 0;
            return false;
        }
        if (line.depth != state.TopicDepth || !answersFrom(line)) {
            continue;
        }
        state.BranchKey = line.key;
        if (!foundFresh(state.BranchKey, upperPhrase)) {
            continue;
        }
        state.TopicDepth = line.depth + 1;
        state.BranchKey.clear();
        PickAlternative(line, state, context.random);
        return true;
    }
}

namespace {

// The first answering line of the base, in file order, whose key the phrase
// holds as `found` tells; it opens the topic and gives the reply.
template <typename Found>
bool firstAnswer(TurnContext& context, DialogueState& state, ReplySource source, Reply& reply,
                 Found found) {
    context.RE2.load(context.folder, files::WordsForSearch);
    for (int i = 1; i < context.RE2.count(); ++i) {
        const std::string_view text = context.RE2.line(i);
        const WordsLine line = parseWordsLine(text);
        if (answersFrom(line) && found(text, line)) {
            openTopic(state, i);
            PickAlternative(line, state, context.random);
            reply = {source, line.exitMark};
            return true;
        }
    }
    return false;
}

} // namespace

bool KeyPass(TurnContext& context, DialogueState& state, std::string_view upperPhrase,
             Reply& reply) {
    return firstAnswer(context, state, ReplySource::Key, reply,
                       [&](std::string_view text, const WordsLine& line) {
                           return foundFresh(keyPassPattern(text, line), upperPhrase);
                       });
}

bool WordPass(TurnContext& context, DialogueState& state, std::string_view upperPhrase,
              Reply& reply) {
    return firstAnswer(context, state, ReplySource::Word, reply,
                       [&](std::string_view text, const WordsLine& line) {
                           return wordsInOrder(text, keyPassPattern(text, line).size(),
                                               upperPhrase);
                       });
}

void ReplyFallback(TurnContext& context, DialogueState& state) {
    const bool question = !state.UserPhrase.empty() && state.UserPhrase.back() == '?';
    context.RE2.load(context.folder, question ? files::W1 : files::W2);
    state.CpuPhrase = context.RE2.randomLine(context.random);
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
