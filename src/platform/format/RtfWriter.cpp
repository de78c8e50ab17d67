// Writes lines as the rich-text document a Windows-1251 editor saves: one
// paragraph per line, in the document's 1251 code page. Letters beyond ASCII
// stand as the bytes they are, as editors read them, so a Cyrillic base takes
// one byte per letter on disk rather than the four of \'hh; control bytes
// are written as \'hh, so that any byte survives the round trip, and a CR LF
// after each paragraph mark only keeps the source readable.

#include "platform/format/Rtf.h"

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
    return c >= 0x20 && c != 0x7F && c != '\\' && c != '{' && c != '}';
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

// Gathers the document in a piece of fixed size and hands each full piece
// to the sink, so a document of any size costs no more memory than a piece.
class PieceWriter {
public:
    explicit PieceWriter(ByteSink& sink) : sink_(sink) { piece_.resize(kPiece + kRoom); }

    void put(std::string_view text) {
        for (const char c : text) {
            room(1);
            piece_[used_++] = c;
        }
    }

    void line(std::string_view text) {
        // A line longer than a piece goes in parts: each byte is spelled alone.
        while (!text.empty()) {
            const std::string_view part = text.substr(0, kRoom / kLongestSpelling);
            room(part.size() * kLongestSpelling);
            used_ =
                static_cast<std::size_t>(writeLine(piece_.data() + used_, part) - piece_.data());
            text.remove_prefix(part.size());
        }
        put(kParagraphEnd);
    }

    void finish() {
        sink_.put(std::string_view(piece_).substr(0, used_));
        used_ = 0;
    }

private:
    static constexpr std::size_t kPiece = 256 * 1024;
    // Room past a full piece for one part of a line, and the overhang of
    // writeLine's last eight-byte copy.
    static constexpr std::size_t kRoom = 64 * 1024 + 8;
    static constexpr std::size_t kLongestSpelling = 5;

    void room(std::size_t bytes) {
        if (used_ + bytes > kPiece + kRoom - 8 || used_ >= kPiece) {
            finish();
        }
    }

    ByteSink& sink_;
    std::string piece_;
    std::size_t used_ = 0;
};

class StringSink final : public ByteSink {
public:
    explicit StringSink(std::string& text) : text_(text) { text_.clear(); }
    void put(std::string_view bytes) override { text_.append(bytes); }

private:
    std::string& text_;
};

// Lines are a vector of strings or a line buffer: anything indexed.
template <typename Lines> void writeLines(const Lines& lines, ByteSink& sink) {
    PieceWriter writer(sink);
    writer.put(kDocumentStart);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        writer.line(lines[i]);
    }
    writer.put(kDocumentEnd);
    writer.finish();
}

} // namespace

std::string writeDocument(const std::vector<std::string>& lines) {
    std::string document;
    StringSink sink(document);
    writeLines(lines, sink);
    return document;
}

void writeDocument(const LineBuffer& lines, std::string& document) {
    StringSink sink(document);
    writeLines(lines, sink);
}

void writeDocument(const LineBuffer& lines, ByteSink& sink) {
    writeLines(lines, sink);
}

} // namespace orlevan::rtf
