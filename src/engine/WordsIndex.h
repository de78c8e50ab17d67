#pragma once

#include "engine/KeyChains.h"
#include "engine/WordsLine.h"
#include "platform/kb/LineContent.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace orlevan {

// The phrase base's lines by what the reply passes and learning look for,
// made from the lines as loaded and kept up to date through every edit
// (LineIndex), so that a turn reads only the lines that could answer it:
//  - by learning key, the well-formed lines: the pieces of the phrase that
//    are keys give KeyPass its candidates, and learning finds a key at once;
//  - by first key word, the lines that answer: WordPass can match only a
//    line whose first word stands whole in the phrase, and that holds the
//    characters its words need (wordsNeed).
// Each candidate is then asked the same question the pass would ask it
// (KeyMatch.h), in file order, so the line found is the one a reading of
// the whole file would find.
class WordsIndex final : public LineIndex {
public:
    explicit WordsIndex(const LineBuffer& lines);

    void unlinking(const LineBuffer& lines, std::size_t index) override;
    void linked(const LineBuffer& lines, std::size_t index) override;
    void removed(const LineBuffer& lines, std::size_t index) override;

    // The first line, from 1, that KeyPass answers `upperPhrase` from; 0 for none.
    int firstKeyLine(const LineBuffer& lines, std::string_view upperPhrase) const;
    // The same for WordPass.
    int firstWordsLine(const LineBuffer& lines, std::string_view upperPhrase) const;
    // The first well-formed line whose learning key is `key`; 0 for none.
    int learntKeyLine(const LineBuffer& lines, std::string_view key) const;

private:
    enum Kind : std::uint8_t {
        kWellFormed = 1,
        kAnswers = 2,
        // An answering line whose key begins with '^': what KeyPass looks for
        // is longer than its learning key, so it is asked apart.
        kCaretKey = 4,
    };
    static std::uint8_t kindOf(std::string_view text, const WordsLine& line, std::size_t index);

    std::vector<std::uint8_t> kinds_;
    std::vector<std::uint64_t> wordsNeed_; // of the lines that answer (KeyMatch.h)
    KeyChains byKey_;
    KeyChains byFirstWord_;
    std::vector<std::uint32_t> caretKeys_; // in file order
};

} // namespace orlevan
