#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// The two fixed word lists of the screening, as Windows-1251 text. Each has
// an empty line 0 that is never examined, then 99 entries; a space in an
// entry marks a word boundary, since the matcher knows none.
//
// Cenzura: insults, obscenities and threats to erase the program.
const std::vector<std::string>& Cenzura();
// Filter_nr: words of things only a living person says of itself (its name,
// age, body, family, feelings, needs); a phrase holding one is answered but
// never learnt as something the program would say.
const std::vector<std::string>& Filter_nr();

// True when some entry of `list` (from line 1 on) is found in the phrase.
bool listHit(const std::vector<std::string>& list, std::string_view upperPhrase);

} // namespace orlevan
