#pragma once

#include <string_view>

namespace orlevan {

// Where a character-run search stands: the phrase position K, the pattern
// position W and the length R of the run matched so far. All 0 for a fresh
// search; the word pass carries one state from word to word of a key.
struct MatchState {
    int K = 0;
    int W = 0;
    int R = 0;
};

// Looks for `pattern` in the upper-cased phrase by counting a run of equal
// characters. The character that breaks a partial run is not tried again as
// the pattern's first character, and the pattern position wraps to 1 when it
// passes the pattern's length: knowledge bases written for this matcher rely
// on both. Returns true when the run reaches the pattern's length, with K on
// the phrase position of its last character; false at the end of the phrase.
bool RunMatch(std::string_view pattern, std::string_view upperPhrase, MatchState& state);

// RunMatch from a fresh state. A fresh run that reaches the pattern's length
// has matched it character for character, so a pattern that is not a piece
// of the phrase is passed over without stepping through the phrase.
bool foundFresh(std::string_view pattern, std::string_view upperPhrase);

} // namespace orlevan
