#include "engine/WordsIndex.h"

#include "engine/KeyMatch.h"
#include "engine/RunMatch.h"
#include "engine/WordsLine.h"

#include <algorithm>
#include <functional>

namespace orlevan {
namespace {

constexpr std::uint32_t kNone = KeyChains::kNone;

int lineNumber(std::uint32_t index) {
    return index == kNone ? 0 : static_cast<int>(index);
}

} // namespace

WordsIndex::WordsIndex(const LineBuffer& lines) : byKey_(learningKey), byFirstWord_(firstKeyWord) {
    byKey_.reserve(lines.size());
    kinds_.resize(lines.size());
    wordsNeed_.resize(lines.size());
    // A few lines ahead is far enough for a slot to arrive in time.
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i + kAhead < lines.size()) {
            byKey_.prefetch(lines[i + kAhead]);
        }
        linked(lines, i);
    }
}

// Line 0 is the header: no pass and no learning step ever reads it.
std::uint8_t WordsIndex::kindOf(std::string_view text, const WordsLine& line, std::size_t index) {
    if (index == 0) {
        return 0;
    }
    if (line.fault != LineFault::None) {
        return 0;
    }
    if (!answersFrom(line)) {
        return kWellFormed;
    }
    const bool caretKey = text[static_cast<std::size_t>(line.depth)] == '^';
    return kWellFormed | kAnswers | (caretKey ? kCaretKey : 0);
}

void WordsIndex::linked(const LineBuffer& lines, std::size_t index) {
    if (kinds_.size() <= index) {
        kinds_.resize(index + 1);
        wordsNeed_.resize(index + 1);
    }
    const std::string_view text = lines[index];
    // Parsed once for the kind and for the characters its words need.
    const WordsLine line = parseWordsLine(text);
    const std::uint8_t kind = kindOf(text, line, index);
    kinds_[index] = kind;
    const auto at = static_cast<std::uint32_t>(index);
    if (kind & kWellFormed) {
        byKey_.link(lines, at);
    }
    if (kind & kAnswers) {
        byFirstWord_.link(lines, at);
        wordsNeed_[index] = wordsNeed(text, line);
    }
    if (kind & kCaretKey) {
        caretKeys_.insert(std::upper_bound(caretKeys_.begin(), caretKeys_.end(), at), at);
    }
}

void WordsIndex::unlinking(const LineBuffer& lines, std::size_t index) {
    const std::uint8_t kind = kinds_[index];
    const auto at = static_cast<std::uint32_t>(index);
    if (kind & kWellFormed) {
        byKey_.unlink(lines, at);
    }
    if (kind & kAnswers) {
        byFirstWord_.unlink(lines, at);
    }
    if (kind & kCaretKey) {
        caretKeys_.erase(std::lower_bound(caretKeys_.begin(), caretKeys_.end(), at));
    }
    kinds_[index] = 0;
}

void WordsIndex::removed(const LineBuffer& lines, std::size_t index) {
    kinds_.erase(kinds_.begin() + static_cast<std::ptrdiff_t>(index));
    wordsNeed_.erase(wordsNeed_.begin() + static_cast<std::ptrdiff_t>(index));
    const auto at = static_cast<std::uint32_t>(index);
    byKey_.removed(at);
    byFirstWord_.removed(at);
    for (std::uint32_t& line : caretKeys_) {
        line -= line > at;
    }
    // The line that took the header's place is a header now.
    if (index == 0 && !kinds_.empty()) {
        unlinking(lines, 0);
    }
}

int WordsIndex::firstKeyLine(const LineBuffer& lines, std::string_view upperPhrase) const {
    std::uint32_t best = kNone;
    // Every line of a chain looks for the same piece, so the first one that
    // answers decides for the whole chain.
    byKey_.forEachKeyIn(lines, upperPhrase, [&](std::uint32_t head, std::string_view piece) {
        for (std::uint32_t line = head; line < best; line = byKey_.next(line)) {
            if ((kinds_[line] & (kAnswers | kCaretKey)) == kAnswers) {
                if (foundFresh(piece, upperPhrase)) {
                    best = line;
                }
                return;
            }
        }
    });
    for (const std::uint32_t line : caretKeys_) {
        if (line >= best) {
            break;
        }
        const std::string_view text = lines[line];
        if (keyFound(text, parseWordsLine(text), upperPhrase)) {
            best = line;
            break;
        }
    }
    return lineNumber(best);
}

int WordsIndex::firstWordsLine(const LineBuffer& lines, std::string_view upperPhrase) const {
    std::vector<std::uint32_t> heads;
    byFirstWord_.forEachKeyIn(lines, upperPhrase,
                              [&](std::uint32_t head, std::string_view) { heads.push_back(head); });
    std::sort(heads.begin(), heads.end());
    heads.erase(std::unique(heads.begin(), heads.end()), heads.end());
    // The chains' lines merged in file order, up to the first that matches.
    // A phrase holds few first words, so the next line is the least of a few.
    const std::uint64_t holds = charactersOf(upperPhrase);
    while (!heads.empty()) {
        const auto least = std::min_element(heads.begin(), heads.end());
        const std::uint32_t line = *least;
        if ((wordsNeed_[line] & ~holds) == 0) {
            const std::string_view text = lines[line];
            if (wordsFound(text, parseWordsLine(text), upperPhrase)) {
                return lineNumber(line);
            }
        }
        if (const std::uint32_t after = byFirstWord_.next(line); after != kNone) {
            *least = after;
        } else {
            *least = heads.back();
            heads.pop_back();
        }
    }
    return 0;
}

int WordsIndex::learntKeyLine(const LineBuffer& lines, std::string_view key) const {
    return lineNumber(byKey_.first(lines, key));
}

} // namespace orlevan
