#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {
class PhraseList;
}

namespace orlevan::cli {

// A main line that never gives its own replies: typed as it stands, its key
// is answered by an earlier line, since the first line whose key the phrase
// holds wins. Line indexes count from 0, the header's.
struct Shadowing {
    int line = 0;
    int answeredBy = 0;
};

// For a main line that gives replies, its key as the user would type it,
// made ready for the search: normalised and upper-cased. Nothing for any
// other line.
std::optional<std::string> typedKey(std::string_view line);

// Every shadowed main line of a phrase base, in file order. The key pass is
// run on each key as the user would type it; only lines whose keys stand in
// that phrase are tried, so a base of 100k lines is checked in seconds.
std::vector<Shadowing> shadowedKeys(const PhraseList& base);

} // namespace orlevan::cli
