#pragma once

#include <cstdint>
#include <string_view>

namespace orlevan {

struct WordsLine;

// How the reply passes and learning read the key of a phrase-base line
// against a phrase. The passes answer from the first line, in file order,
// that matches; an index only narrows down which lines are worth asking.

// A line the passes may answer from: well formed and with an answer. Lines
// that break the syntax are passed over as if they were not there, so a
// hand-edited base with a slip in it still answers from its other lines.
bool answersFrom(const WordsLine& line);

// What KeyPass looks for in the phrase: the key with its depth marks, so a
// branch never answers a plain phrase.
std::string_view keyPassPattern(std::string_view text, const WordsLine& line);

// KeyPass: does the phrase hold the key as one piece?
bool keyFound(std::string_view text, const WordsLine& line, std::string_view upperPhrase);

// WordPass: does the phrase hold the key's words in order, the matcher's
// state running on from one word to the next?
bool wordsFound(std::string_view text, const WordsLine& line, std::string_view upperPhrase);

// Characters a phrase must hold for WordPass to match a line, as bits of a
// mask (charactersOf): those of its first word, and of each later word at
// least those past the length of the word before it. A word after a shorter
// one may be found by the run carried over from it, which compares only the
// rest of the word; else it must stand whole in the phrase. A line whose
// mask has a bit the phrase's lacks cannot match it.
std::uint64_t wordsNeed(std::string_view text, const WordsLine& line);
// The mask of the characters of `text`: one bit for each capital letter of
// Windows-1251, the other characters sharing the rest.
std::uint64_t charactersOf(std::string_view text);

// The first word WordPass cuts from a line. It is searched from a fresh
// state, so a line can match only a phrase that holds this word whole.
std::string_view firstKeyWord(std::string_view text);

// The key of a line as learning compares it: everything before the first
// '^', depth marks included.
std::string_view learningKey(std::string_view line);

} // namespace orlevan
