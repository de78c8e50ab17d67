#include "KeyMatch.h"

#include "RunMatch.h"
#include "WordsLine.h"

namespace orlevan {
namespace {

// A word runs from `start`, at least one character, up to a space or the '^'.
std::size_t wordEnd(std::string_view line, std::size_t start) {
    std::size_t end = start + 1;
    while (end < line.size() && line[end] != ' ' && line[end] != '^') {
        ++end;
    }
    return end;
}

} // namespace

bool answersFrom(const WordsLine& line) {
    return line.fault == LineFault::None && !line.unanswered();
}

std::string_view keyPassPattern(std::string_view text, const WordsLine& line) {
    return text.substr(0, static_cast<std::size_t>(line.depth) + line.key.size());
}

bool keyFound(std::string_view text, const WordsLine& line, std::string_view upperPhrase) {
    return foundFresh(keyPassPattern(text, line), upperPhrase);
}

bool wordsFound(std::string_view text, const WordsLine& line, std::string_view upperPhrase) {
    const std::size_t keyEnd = keyPassPattern(text, line).size();
    MatchState state;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = wordEnd(text, start);
        const std::string_view word = text.substr(start, end - start);
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

std::string_view firstKeyWord(std::string_view text) {
    return text.empty() ? text : text.substr(0, wordEnd(text, 0));
}

std::string_view learningKey(std::string_view line) {
    return line.substr(0, line.find('^'));
}

} // namespace orlevan
