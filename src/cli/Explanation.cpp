#include "cli/Explanation.h"

#include "engine/Dialogue.h"
#include "engine/WordsLine.h"
#include "platform/format/Cp1251.h"
#include "platform/kb/PhraseList.h"

namespace orlevan::cli {
namespace {

std::string_view stepOf(AnsweredBy by) {
    switch (by) {
    case AnsweredBy::Repetition:
        return "screening (a repetition)";
    case AnsweredBy::Insult:
        return "screening (an insult)";
    case AnsweredBy::LongPhrase:
        return "screening (an over-long phrase)";
    case AnsweredBy::Branch:
        return "branch pass";
    case AnsweredBy::Key:
        return "key pass";
    case AnsweredBy::Word:
        return "word pass";
    case AnsweredBy::Fallback:
        break;
    }
    return "fallback (nothing answered)";
}

bool fromPhraseBase(AnsweredBy by) {
    return by == AnsweredBy::Branch || by == AnsweredBy::Key || by == AnsweredBy::Word;
}

} // namespace

std::string explanation(const Dialogue& dialogue, const Folder& folder) {
    const DialogueState& state = dialogue.state;
    std::string text = "explain: " + std::string(stepOf(dialogue.answeredBy())) + ", " +
                       std::string(state.ReplyFile) + ":" + std::to_string(state.ReplyLine + 1);
    if (fromPhraseBase(dialogue.answeredBy())) {
        // The work buffer may hold another file by now.
        PhraseList words;
        words.load(folder, state.ReplyFile);
        const WordsLine line = parseWordsLine(words.line(state.ReplyLine));
        text += ", key " + std::string(static_cast<std::size_t>(line.depth), '_') +
                std::string(line.key);
    }
    return cp1251::toUtf8(text);
}

} // namespace orlevan::cli
