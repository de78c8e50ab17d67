#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// What a piece of text holds, as two masks: its characters (charactersOf)
// and its pairs of neighbouring characters, each pair hashed to one bit. A
// text that holds another as a piece holds all of its characters and pairs.
struct TextMarks {
    std::uint64_t characters = 0;
    std::uint64_t pairs = 0;

    static TextMarks of(std::string_view text);
    bool mayHold(const TextMarks& piece) const {
        return (piece.characters & ~characters) == 0 && (piece.pairs & ~pairs) == 0;
    }
};

// A fixed word list of the screening, as Windows-1251 text: an empty line 0
// that is never examined, then the entries; a space in an entry marks a
// word boundary, since the matcher knows none. Beside each entry, its marks:
// an entry that a phrase cannot hold is passed over without a search.
struct WordList {
    std::vector<std::string> entries;
    std::vector<TextMarks> marks;
};

// Cenzura: insults, obscenities and threats to erase the program.
const WordList& Cenzura();
// Filter_nr: words of things only a living person says of itself (its name,
// age, body, family, feelings, needs); a phrase holding one is answered but
// never learnt as something the program would say.
const WordList& Filter_nr();

// True when some entry of `list` (from line 1 on) is found in the phrase.
bool listHit(const WordList& list, std::string_view upperPhrase);

} // namespace orlevan
