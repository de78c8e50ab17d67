#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// A fixed word list of the screening, as Windows-1251 text: an empty line 0
// that is never examined, then the entries; a space in an entry marks a
// word boundary, since the matcher knows none. Beside each entry, the mask
// of its characters (charactersOf): a phrase lacking one of them cannot
// hold the entry, which is then passed over without a search.
struct WordList {
    std::vector<std::string> entries;
    std::vector<std::uint64_t> needs;
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
