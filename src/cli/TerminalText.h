#pragma once

#include <exception>
#include <iosfwd>
#include <string>
#include <string_view>

namespace orlevan::cli {

// The terminal speaks UTF-8; the program keeps Windows-1251. Texts here
// convert at that edge, and say in plain words why a line cannot cross it.

// The longest phrase the window's input line takes.
inline constexpr std::size_t kLongestPhrase = 255;

struct DecodedLine {
    std::string text;    // Windows-1251
    std::string problem; // UTF-8; empty when the line converts exactly
};

// A line of UTF-8 as Windows-1251 text, or what keeps it from being stored.
DecodedLine decodeLine(std::string_view utf8);

// A control character in Windows-1251 text (a NUL, a tab, a stray line
// end), which no line of the knowledge base may hold: named, or empty.
std::string controlCharacterProblem(std::string_view text);

// What keeps converted text from being a phrase the window would take: its
// length, a character the phrase base keeps for its own marks (the window
// empties its input line when one is typed), a control character. Empty
// when the phrase may be said.
std::string phraseProblem(std::string_view text);

// The message the window's error box shows, in UTF-8: the failure's text
// with a full stop.
std::string failureMessage(const std::exception& failure);

// Windows-1251 text as one UTF-8 line, flushed at once, so that a script
// reading the replies one by one has each as soon as it is made.
void printLine(std::ostream& out, std::string_view text);

} // namespace orlevan::cli
