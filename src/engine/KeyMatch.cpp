#include "engine/KeyMatch.h"

#include "engine/RunMatch.h"
#include "engine/WordsLine.h"

#include <algorithm>

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

std::uint64_t charactersOf(std::string_view text) {
    std::uint64_t mask = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        mask |= std::uint64_t{1} << (byte >= 0xC0 && byte < 0xE0 ? byte - 0xC0 : 32 + byte % 32);
    }
    return mask;
}

std::uint64_t wordsNeed(std::string_view text, const WordsLine& line) {
    const std::size_t keyEnd = keyPassPattern(text, line).size();
    std::uint64_t mask = 0;
    std::size_t previous = 0; // the length of the word before; none before the first
    for (std::size_t start = 0; start < keyEnd;) {
        const std::size_t end = wordEnd(text, start);
        const std::string_view word = text.substr(start, std::min(end, keyEnd) - start);
        mask |= charactersOf(word.substr(previous < word.size() ? previous : 0));
        previous = word.size();
        start = end + 1;
    }
    return mask;
}

std::string_view firstKeyWord(std::string_view text) {
    return text.empty() ? text : text.substr(0, wordEnd(text, 0));
}

std::string_view learningKey(std::string_view line) {
    return line.substr(0, line.find('^'));
}

} // namespace orlevan
