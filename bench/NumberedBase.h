#pragma once

#include "platform/kb/PhraseList.h"

#include <string_view>

namespace orlevan::bench {

// A phrase base of `lines` lines made from the shipped one: its header, then
// its answering lines over and over with a number of one width added to each
// key, so every key is unique (none is a piece of another) while line length
// and the share of Cyrillic stay those of the real base. With `lastKey`, the
// shipped line of that key is the source of the last line; without one, the
// last line is that key with the replies of the first answering line.
PhraseList numberedBase(const PhraseList& shipped, int lines, std::string_view lastKey = {});

} // namespace orlevan::bench
