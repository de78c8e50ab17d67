#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orlevan::cli {

// Everything wrong with one line of the phrase base below its header, each
// problem in a few plain UTF-8 words: the line breaks the syntax the reply
// search reads, or its key has a lower-case letter and so can never match
// (the search upper-cases the phrase, never the key). None for a sound line.
std::vector<std::string> wordsLineProblems(std::string_view text);

} // namespace orlevan::cli
