// Writes lines as the rich-text document a Windows-1251 editor saves: one
// paragraph per line, every byte that is not printable ASCII as \'hh in the
// document's 1251 code page, so that any byte survives the round trip, and
// a CR LF after each paragraph mark only to keep the source readable.

#include "Rtf.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace orlevan::rtf {
namespace {

constexpr std::string_view kDocumentStart =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049"
    "{\\fonttbl{\\f0\\fnil\\fcharset204 MS Sans Serif;}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs16 ";
constexpr std::string_view kParagraphEnd = "\\par\r\n";
constexpr std::string_view kDocumentEnd = "}";
// The space ends the control word, so a letter or digit may follow it.
constexpr std::string_view kTab = "\\tab ";

constexpr bool isPlain(unsigned char c) {
    return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

// How many bytes of the document each byte of a line takes.
constexpr std::array<unsigned char, 256> kWrittenLength = [] {
    std::array<unsigned char, 256> lengths{};
    for (std::size_t c = 0; c < lengths.size(); ++c) {
        const auto byte = static_cast<unsigned char>(c);
        if (isPlain(byte)) {
            lengths[c] = 1;
        } else if (byte == '\\' || byte == '{' || byte == '}') {
            lengths[c] = 2;
        } else if (byte == '\t') {
            lengths[c] = static_cast<unsigned char>(kTab.size());
        } else {
            lengths[c] = 4;
        }
    }
    return lengths;
}();

// Writes the document form of `line` at `out`, which has room for it, and
// returns the end of what was written.
char* writeLine(char* out, std::string_view line) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (isPlain(byte)) {
            *out++ = c;
        } else if (byte == '\t') {
            out = std::copy(kTab.begin(), kTab.end(), out);
        } else if (kWrittenLength[byte] == 2) {
            *out++ = '\\';
            *out++ = c;
        } else {
            *out++ = '\\';
            *out++ = '\'';
            *out++ = kHexDigits[byte >> 4];
            *out++ = kHexDigits[byte & 0x0F];
        }
    }
    return out;
}

} // namespace

std::string writeDocument(const std::vector<std::string>& lines) {
    std::size_t size = kDocumentStart.size() + kDocumentEnd.size();
    for (const std::string& line : lines) {
        size += kParagraphEnd.size();
        for (const char c : line) {
            size += kWrittenLength[static_cast<unsigned char>(c)];
        }
    }
    // The size is known exactly, so the document is written in place.
    std::string document(size, '\0');
    char* out = std::copy(kDocumentStart.begin(), kDocumentStart.end(), document.data());
    for (const std::string& line : lines) {
        out = writeLine(out, line);
        out = std::copy(kParagraphEnd.begin(), kParagraphEnd.end(), out);
    }
    std::copy(kDocumentEnd.begin(), kDocumentEnd.end(), out);
    return document;
}

} // namespace orlevan::rtf
