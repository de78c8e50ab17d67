// Writes lines as the rich-text document a Windows-1251 editor saves: one
// paragraph per line, every byte that is not printable ASCII as \'hh in the
// document's 1251 code page, so that any byte survives the round trip, and
// a CR LF after each paragraph mark only to keep the source readable.

#include "Rtf.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

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

// What each byte of a line becomes in the document: at most five bytes
// ("\\tab "), padded to eight so that each is one copy, and their length,
// so a line is written without branching on every byte.
struct Spelling {
    std::array<char, 8> bytes{};
    unsigned char length = 0;
};

constexpr std::array<Spelling, 256> kSpelling = [] {
    constexpr char kHexDigits[] = "0123456789abcdef";
    std::array<Spelling, 256> spellings{};
    for (std::size_t c = 0; c < spellings.size(); ++c) {
        const auto byte = static_cast<unsigned char>(c);
        Spelling& s = spellings[c];
        if (isPlain(byte)) {
            s.bytes[0] = static_cast<char>(byte);
            s.length = 1;
        } else if (byte == '\\' || byte == '{' || byte == '}') {
            s.bytes = {'\\', static_cast<char>(byte)};
            s.length = 2;
        } else if (byte == '\t') {
            for (std::size_t i = 0; i < kTab.size(); ++i) {
                s.bytes[i] = kTab[i];
            }
            s.length = static_cast<unsigned char>(kTab.size());
        } else {
            s.bytes = {'\\', '\'', kHexDigits[byte >> 4], kHexDigits[byte & 0x0F]};
            s.length = 4;
        }
    }
    return spellings;
}();

// Writes the document form of `line` at `out`, which has room for it and for
// eight bytes more, and returns the end of what was written.
char* writeLine(char* out, std::string_view line) {
    for (const char c : line) {
        const Spelling& spelling = kSpelling[static_cast<unsigned char>(c)];
        std::memcpy(out, spelling.bytes.data(), spelling.bytes.size());
        out += spelling.length;
    }
    return out;
}

// Lines are a vector of strings or a line buffer: anything indexed.
template <typename Lines> void writeLines(const Lines& lines, std::string& document) {
    std::size_t size = kDocumentStart.size() + kDocumentEnd.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        size += kParagraphEnd.size();
        for (const char c : std::string_view(lines[i])) {
            size += kSpelling[static_cast<unsigned char>(c)].length;
        }
    }
    // The size is known exactly, so the document is written in place; the
    // spare bytes at the end take the overhang of the last eight-byte copy.
    constexpr std::size_t kOverhang = 8;
    document.resize(size + kOverhang);
    char* out = std::copy(kDocumentStart.begin(), kDocumentStart.end(), document.data());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out = writeLine(out, lines[i]);
        out = std::copy(kParagraphEnd.begin(), kParagraphEnd.end(), out);
    }
    std::copy(kDocumentEnd.begin(), kDocumentEnd.end(), out);
    document.resize(size);
}

} // namespace

std::string writeDocument(const std::vector<std::string>& lines) {
    std::string document;
    writeLines(lines, document);
    return document;
}

void writeDocument(const LineBuffer& lines, std::string& document) {
    writeLines(lines, document);
}

} // namespace orlevan::rtf
