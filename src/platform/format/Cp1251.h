#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows-1251, the single-byte code page of every text the program stores
// and shows. Inside the program text is std::string holding these bytes;
// conversion to Unicode happens only at the edges (windows, file names).
namespace orlevan::cp1251 {

// Every byte has a Unicode meaning; the one unassigned byte 0x98 maps to
// U+0098 so that any byte string survives a round trip.
char32_t toUnicode(unsigned char byte);

// The byte for a Unicode code point, or nothing when the code page lacks it.
std::optional<unsigned char> fromUnicode(char32_t codePoint);

// A character the input line takes: any of the code page but the control
// characters below the space (a tab, a line break, a stray NUL).
inline bool isLineCharacter(unsigned char byte) {
    return byte >= 0x20;
}

std::string toUtf8(std::string_view bytes);

// Characters outside the code page, and malformed UTF-8, become '?'; a
// leading byte order mark is dropped.
std::string fromUtf8(std::string_view utf8);

// Like fromUtf8, but tells the caller that something could not be stored.
std::optional<std::string> fromUtf8Exactly(std::string_view utf8);

// Why UTF-8 text cannot be stored exactly: the first malformed sequence, or
// the first character the code page lacks.
struct Utf8Trouble {
    bool malformed = false;
    std::size_t offset = 0; // in bytes of the UTF-8 text
    char32_t codePoint = 0; // the character the code page lacks
};

// Converts into `out` up to the first trouble, which it returns.
std::optional<Utf8Trouble> convertUtf8(std::string_view utf8, std::string& out);

// Plain text an editor saved as UTF-8: valid UTF-8 holding something beyond
// ASCII. Windows-1251 Russian almost never is: its letters do not pair up
// into the sequences UTF-8 is made of.
bool isUtf8BeyondAscii(std::string_view text);

// Turns UTF-8 text into Windows-1251 where it lies (it never grows), a
// leading byte order mark dropped; characters the code page lacks become
// '?'. Returns how many did.
std::size_t convertUtf8InPlace(std::string& text);

// UTF-8 encoding of one code point (helper shared with the other code pages).
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace orlevan::cp1251
