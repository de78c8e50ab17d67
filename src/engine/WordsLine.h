#pragma once

#include <string_view>
#include <vector>

namespace orlevan {

// What is wrong with a line of the phrase base, if anything.
enum class LineFault {
    None,
    Empty,              // no text at all
    NoKey,              // only depth marks
    NoSeparator,        // no '^' after the key
    SemicolonInKey,     // the key would swallow an alternative's end
    EmptyAlternative,   // ";;" or "^;": an alternative with no text
    UnendedAlternative, // text after the last ';' that is not the exit mark
};

// One line of "Base\Words.dat", read as the reply search sees it:
//   depth marks '_'*, key, '^', alternatives each ended by ';', optional '@'.
// Views point into the text that was parsed.
//
// A faulty line is still read as far as it goes: depth and key when there is
// a separator, the alternatives that are properly ended. Whoever searches the
// base decides what to do with it (the reply passes skip it); `fault` says
// which rule it breaks first.
struct WordsLine {
    int depth = 0;
    std::string_view key;
    // The text after the key's '^': the alternatives and the exit mark.
    std::string_view answers;
    // Alternatives ended by ';' (an empty one, a fault, is not counted).
    int alternativeCount = 0;
    bool exitMark = false;
    LineFault fault = LineFault::None;

    bool isMain() const { return depth == 0; }
    // A learnt phrase that has no answer yet: "ПРИВЕТ.^".
    bool unanswered() const { return fault == LineFault::None && alternativeCount == 0; }
    // Alternative `index`, counted from 0 among the non-empty ones.
    std::string_view alternative(int index) const;
    std::vector<std::string_view> alternatives() const;
};

WordsLine parseWordsLine(std::string_view text);

// The depth of a line without parsing the rest: the number of leading '_'.
int depthOf(std::string_view text);

} // namespace orlevan
