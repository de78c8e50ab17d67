#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// Word completion without its window: the search that T11Timer makes, the
// step that the key hook AppMessage takes on each key-down, and the text F5
// makes. The dictionary (SpeedWord) is searched in file order, one linear
// pass from the entry after CandidateIndex, and never wraps around.
class WordCompletion {
public:
    // The keys the hook tells apart.
    enum class Key { Up, Down, Other };

    // The index of the dictionary entry reached by the last search; -1 means
    // that the next search starts at entry 0.
    int CandidateIndex = -1;
    // The word being typed: the part of the input after its last separator.
    std::string TypedFragment;
    // The rest of the entry found after the fragment, in the entry's own case.
    // Emptied by each search that gets as far as the dictionary; kept when the
    // input is empty or ends with a separator.
    std::string CompletionTail;

    // Space, comma, full stop, exclamation and question mark; nothing else
    // separates words here.
    static bool isSeparator(char c);

    // An entry the input line could take whole: not empty and without
    // control characters. No other entry is ever a candidate, so F5 never
    // appends what the line would refuse from the keyboard.
    static bool canBeOffered(std::string_view entry);

    // One search for the word at the end of `text` (Windows-1251): the first
    // entry after CandidateIndex that begins with it, case ignored on both
    // sides. Returns its index, or nothing ("[NONE]"), which resets
    // CandidateIndex to -1 so that the next search starts at entry 0.
    std::optional<std::size_t> search(std::string_view text,
                                      const std::vector<std::string>& SpeedWord);

    // The hook's step for one key-down over a dictionary of `entries` (at
    // least one): Up goes two entries back and Down one on, since the search
    // that follows starts at the entry after. Returns the entry to show at once.
    std::size_t keyDown(Key key, std::size_t entries);

    // The input after F5: `text` followed by the tail, lower-cased.
    std::string completed(std::string_view text) const;
};

} // namespace orlevan
