// Reads the text of a rich-text document as Windows-1251 lines.
//
// What it takes from the document, and the choices made where editors differ
// or the input is broken:
// - A document is exactly what starts with "{\rtf" at its first byte and goes
//   on with that control word ("{\rtf1", "{\rtf{", "{\rtf" alone); no byte
//   order mark or whitespace may come first, as rich-text editors require.
//   Bytes that do not open that way cannot be read and fail with
//   "Failed to Load Stream". Everything after the header is read as far as it
//   goes: whatever the document holds after that, it never fails.
// - Lines end at \par, at a backslash followed by CR or LF (an old spelling
//   of \par), at \line (the line break that Shift+Enter types; a knowledge-base
//   line is one paragraph, and a user who broke a line expects two lines), and
//   at \cell (each table cell is a line; \row adds nothing). \page and \sect
//   add nothing: editors put a paragraph mark next to them.
// - CR and LF in the source are ignored; every other raw byte is text.
// - Code pages: \'hh and raw bytes above 0x7F are read in the code page of the
//   current font (its \cpgN, else its \fcharsetN), else in the document's
//   \ansicpgN (\pc: 437). A document that names none is in 1251, the system
//   code page of the people who write these files; \ansi alone does not make
//   it 1252. An unknown code page reads as 1251. A byte whose character 1251
//   lacks becomes '?'.
// - \uN (negative N counts from 65536) is taken when 1251 holds the character,
//   and its \ucN fallback is then skipped. When 1251 lacks it, the fallback
//   (the writer's own ANSI spelling of it) is read instead, and '?' stands for
//   it when there is none. A surrogate pair is one character: the low half
//   adds nothing. \ucN is scoped by groups; skipping counts a text byte, an
//   \'hh, a control symbol or a control word (with its \bin data) as one, and
//   stops at a brace.
// - \~ is a non-breaking space (0xA0), \_ a hyphen, \- nothing; \emspace,
//   \enspace and \qmspace are spaces; unknown control symbols add nothing.
// - Destinations that are not document text are skipped whole, and so is any
//   group opened with \*. Field results, \upr's ANSI text and the text of
//   every other group are read.
// - The document ends where its outer group closes; what follows is ignored.
//   A missing closing brace ends it at the end of the bytes.
// - Hostile input: braces nest to any depth, but beyond kMaxTrackedDepth the
//   groups share the state of the deepest tracked one, so memory stays small;
//   parameters saturate at 10 digits; control words of more than 32 letters
//   are read past as unknown formatting; \binN skips at most what remains; a
//   cut-off \'h, control word or group ends the text there. Every byte is
//   looked at a bounded number of times, so reading time is linear.

#include "Cp1251.h"
#include "Failure.h"
#include "Rtf.h"
#include "RtfCodePages.h"
#include "RtfControlWords.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <unordered_map>
#include <vector>

namespace orlevan::rtf {
namespace {

constexpr std::string_view kHeader = "{\\rtf";
constexpr std::size_t kMaxTrackedDepth = 1000;
constexpr std::size_t kMaxControlWordLength = 32;
constexpr long long kParameterLimit = 9'999'999'999;
constexpr int kDefaultCodePage = 1251;

constexpr bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

constexpr bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

constexpr int toInt(long long parameter) {
    return static_cast<int>(std::clamp<long long>(parameter, 0, std::numeric_limits<int>::max()));
}

constexpr int hexValue(unsigned char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Bytes that end a run of plain text.
constexpr std::array<bool, 256> kEndsTextRun = [] {
    std::array<bool, 256> ends{};
    for (const unsigned char c : {'\\', '{', '}', '\r', '\n'}) {
        ends[c] = true;
    }
    return ends;
}();

enum class Destination : unsigned char { Text, FontTable, Skipped };

struct GroupState {
    Destination destination = Destination::Text;
    int font = -1; // -1: the document's default font
    long long fallbackLength = 1;
    // The code page of `font`, worked out again when the fonts changed since.
    const ByteMap* bytes = nullptr;
    unsigned fontsVersion = 0;
};

struct FontCodePages {
    int charset = -1;
    int codePage = -1; // \cpgN, which wins over the charset
};

class Reader {
public:
    explicit Reader(std::string_view document) : doc_(document) {}

    std::vector<std::string> read();

private:
    GroupState& state() { return groups_.back(); }
    bool inText() const { return groups_.back().destination == Destination::Text; }
    bool atRoot() const { return groups_.size() == 1 && excessDepth_ == 0; }
    unsigned char byteAt(std::size_t pos) const { return static_cast<unsigned char>(doc_[pos]); }

    void readTextRun(std::size_t end);
    void readControl();
    void readHexByte();
    void readControlSymbol(unsigned char symbol);
    void readControlWord();
    void applyControlWord(const ControlWord& word, bool hasParameter, long long parameter);
    void applyFontTableWord(WordKind kind, long long parameter);
    void readUnicodeCharacter(long long parameter);
    void skipBinary(long long length);
    void openGroup();
    void closeGroup();
    void endLine();
    void add1251(unsigned char byte);
    void resolveUnspokenCharacter();
    const ByteMap& bytes();
    const ByteMap& bytesOfFont(int font) const;

    std::string_view doc_;
    std::size_t pos_ = 0;
    std::vector<GroupState> groups_;
    std::size_t excessDepth_ = 0;
    bool finished_ = false;

    int documentCodePage_ = kDefaultCodePage;
    int defaultFont_ = 0;
    int fontBeingDefined_ = 0;
    std::unordered_map<int, FontCodePages> fonts_;
    // Counts the changes of the fonts, the default font and the document's code page.
    unsigned fontsVersion_ = 1;

    long long fallbackToSkip_ = 0;
    bool afterHighSurrogate_ = false;
    bool unspokenCharacter_ = false; // a \uN 1251 lacks, waiting for its fallback

    std::vector<std::string> lines_;
    std::string line_;
};

std::vector<std::string> Reader::read() {
    const bool validHeader = doc_.starts_with(kHeader) &&
                             (doc_.size() == kHeader.size() || !isLetter(byteAt(kHeader.size())));
    if (!validHeader) {
        throw Failure::failedToLoadStream();
    }
    groups_.emplace_back();
    pos_ = 1;
    while (pos_ < doc_.size() && !finished_) {
        std::size_t runEnd = pos_;
        while (runEnd < doc_.size() && !kEndsTextRun[byteAt(runEnd)]) {
            ++runEnd;
        }
        if (runEnd > pos_) {
            readTextRun(runEnd);
            continue;
        }
        switch (byteAt(pos_++)) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            readControl();
            break;
        default: // CR, LF
            break;
        }
    }
    resolveUnspokenCharacter();
    lines_.push_back(std::move(line_));
    return std::move(lines_);
}

void Reader::readTextRun(std::size_t end) {
    if (fallbackToSkip_ > 0) {
        const auto skipped = static_cast<std::size_t>(
            std::min<long long>(fallbackToSkip_, static_cast<long long>(end - pos_)));
        fallbackToSkip_ -= static_cast<long long>(skipped);
        pos_ += skipped;
    }
    if (pos_ < end && inText()) {
        unspokenCharacter_ = false;
        const ByteMap& map = bytes();
        if (map.isCp1251) {
            line_.append(doc_.data() + pos_, end - pos_);
        } else {
            for (std::size_t i = pos_; i < end; ++i) {
                line_.push_back(static_cast<char>(map.toCp1251(byteAt(i))));
            }
        }
    }
    pos_ = end;
}

void Reader::readControl() {
    if (pos_ == doc_.size()) {
        return;
    }
    const unsigned char c = byteAt(pos_);
    if (isLetter(c)) {
        readControlWord();
        return;
    }
    ++pos_;
    if (c == '\'') {
        readHexByte();
    } else {
        readControlSymbol(c);
    }
}

void Reader::readHexByte() {
    const int high = pos_ < doc_.size() ? hexValue(byteAt(pos_)) : -1;
    if (high < 0) {
        return;
    }
    const int low = pos_ + 1 < doc_.size() ? hexValue(byteAt(pos_ + 1)) : -1;
    if (low < 0) {
        ++pos_;
        return;
    }
    pos_ += 2;
    if (fallbackToSkip_ > 0) {
        --fallbackToSkip_;
        return;
    }
    if (inText()) {
        unspokenCharacter_ = false;
        line_.push_back(
            static_cast<char>(bytes().toCp1251(static_cast<unsigned char>(high * 16 + low))));
    }
}

void Reader::readControlSymbol(unsigned char symbol) {
    if (fallbackToSkip_ > 0 && symbol != '\r' && symbol != '\n') {
        --fallbackToSkip_;
        return;
    }
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        add1251(symbol);
        break;
    case '~':
        add1251(0xA0);
        break;
    case '_':
        add1251('-');
        break;
    case '*':
        if (!atRoot()) {
            state().destination = Destination::Skipped;
        }
        break;
    case '\r':
    case '\n':
        endLine();
        break;
    default: // \- and the symbols of indexes and formulas
        break;
    }
}

void Reader::readControlWord() {
    const std::size_t nameStart = pos_;
    while (pos_ < doc_.size() && isLetter(byteAt(pos_))) {
        ++pos_;
    }
    const std::string_view name = doc_.substr(nameStart, pos_ - nameStart);

    bool hasParameter = false;
    bool negative = false;
    long long parameter = 0;
    if (pos_ + 1 < doc_.size() && byteAt(pos_) == '-' && isDigit(byteAt(pos_ + 1))) {
        negative = true;
        ++pos_;
    }
    while (pos_ < doc_.size() && isDigit(byteAt(pos_))) {
        hasParameter = true;
        parameter = std::min(parameter * 10 + (byteAt(pos_) - '0'), kParameterLimit);
        ++pos_;
    }
    if (negative) {
        parameter = -parameter;
    }
    if (pos_ < doc_.size() && byteAt(pos_) == ' ') {
        ++pos_;
    }

    const ControlWord word = name.size() <= kMaxControlWordLength
                                 ? lookUpControlWord(name)
                                 : ControlWord{name, WordKind::Formatting};
    if (fallbackToSkip_ > 0) {
        --fallbackToSkip_;
        if (word.kind == WordKind::Binary) {
            skipBinary(parameter);
        }
        return;
    }
    applyControlWord(word, hasParameter, parameter);
}

void Reader::applyControlWord(const ControlWord& word, bool hasParameter, long long parameter) {
    if (word.kind == WordKind::Binary) {
        skipBinary(parameter);
        return;
    }
    const Destination destination = state().destination;
    if (destination == Destination::Skipped) {
        return;
    }
    if (destination == Destination::FontTable) {
        applyFontTableWord(word.kind, parameter);
        return;
    }
    switch (word.kind) {
    case WordKind::ParagraphMark:
        endLine();
        break;
    case WordKind::Character:
        add1251(word.byte);
        break;
    case WordKind::UnicodeCharacter:
        readUnicodeCharacter(parameter);
        break;
    case WordKind::FallbackLength:
        state().fallbackLength = hasParameter ? std::max(parameter, 0LL) : 1;
        break;
    case WordKind::Font:
        state().font = toInt(parameter);
        state().fontsVersion = 0;
        break;
    case WordKind::PlainFormatting:
        state().font = -1;
        state().fontsVersion = 0;
        break;
    case WordKind::DefaultFont:
        defaultFont_ = toInt(parameter);
        ++fontsVersion_;
        break;
    case WordKind::DocumentCodePage:
        documentCodePage_ = toInt(parameter);
        ++fontsVersion_;
        break;
    case WordKind::DosCodePage:
        documentCodePage_ = 437;
        ++fontsVersion_;
        break;
    case WordKind::FontTable:
        if (!atRoot()) {
            state().destination = Destination::FontTable;
        }
        break;
    case WordKind::SkippedDestination:
        if (!atRoot()) {
            state().destination = Destination::Skipped;
        }
        break;
    default: // formatting, and font table words outside the font table
        break;
    }
}

void Reader::applyFontTableWord(WordKind kind, long long parameter) {
    const int value = toInt(parameter);
    switch (kind) {
    case WordKind::Font:
        fontBeingDefined_ = value;
        break;
    case WordKind::FontCharset:
        fonts_[fontBeingDefined_].charset = value;
        break;
    case WordKind::FontCodePage:
        fonts_[fontBeingDefined_].codePage = value;
        break;
    case WordKind::SkippedDestination:
        state().destination = Destination::Skipped;
        break;
    default:
        break;
    }
}

void Reader::readUnicodeCharacter(long long parameter) {
    resolveUnspokenCharacter();
    const long long value = parameter < 0 ? parameter + 65536 : parameter;
    const bool isLowSurrogate = value >= 0xDC00 && value <= 0xDFFF;
    const bool completesPair = afterHighSurrogate_ && isLowSurrogate;
    afterHighSurrogate_ = value >= 0xD800 && value <= 0xDBFF;
    if (completesPair) {
        fallbackToSkip_ = state().fallbackLength;
        return;
    }
    const auto byte = value >= 0 && value <= 0xFFFF
                          ? cp1251::fromUnicode(static_cast<char32_t>(value))
                          : std::nullopt;
    if (byte) {
        add1251(*byte);
        fallbackToSkip_ = state().fallbackLength;
    } else if (state().fallbackLength > 0) {
        unspokenCharacter_ = true;
    } else {
        add1251('?');
    }
}

void Reader::skipBinary(long long length) {
    const auto remaining = static_cast<long long>(doc_.size() - pos_);
    pos_ += static_cast<std::size_t>(std::clamp(length, 0LL, remaining));
}

void Reader::openGroup() {
    resolveUnspokenCharacter();
    fallbackToSkip_ = 0;
    afterHighSurrogate_ = false;
    if (groups_.size() < kMaxTrackedDepth) {
        groups_.push_back(groups_.back());
    } else {
        ++excessDepth_;
    }
}

void Reader::closeGroup() {
    resolveUnspokenCharacter();
    fallbackToSkip_ = 0;
    afterHighSurrogate_ = false;
    if (excessDepth_ > 0) {
        --excessDepth_;
        return;
    }
    if (state().destination == Destination::FontTable) {
        ++fontsVersion_;
    }
    groups_.pop_back();
    finished_ = groups_.empty();
}

void Reader::endLine() {
    if (!inText()) {
        return;
    }
    resolveUnspokenCharacter();
    afterHighSurrogate_ = false;
    lines_.push_back(std::move(line_));
    line_.clear();
}

void Reader::add1251(unsigned char byte) {
    if (inText()) {
        unspokenCharacter_ = false;
        line_.push_back(static_cast<char>(byte));
    }
}

// A \uN that 1251 lacks and that no fallback followed.
void Reader::resolveUnspokenCharacter() {
    if (unspokenCharacter_) {
        unspokenCharacter_ = false;
        line_.push_back('?');
    }
}

const ByteMap& Reader::bytes() {
    GroupState& group = state();
    if (group.fontsVersion != fontsVersion_) {
        group.bytes = &bytesOfFont(group.font);
        group.fontsVersion = fontsVersion_;
    }
    return *group.bytes;
}

const ByteMap& Reader::bytesOfFont(int font) const {
    const auto found = fonts_.find(font < 0 ? defaultFont_ : font);
    if (found == fonts_.end()) {
        return byteMapOf(documentCodePage_);
    }
    const FontCodePages& codePages = found->second;
    if (codePages.codePage >= 0) {
        return byteMapOf(codePages.codePage);
    }
    if (codePages.charset >= 0) {
        return byteMapOf(codePageOfCharset(codePages.charset, documentCodePage_));
    }
    return byteMapOf(documentCodePage_);
}

} // namespace

bool looksLikeRtf(std::string_view bytes) { return bytes.starts_with(kHeader); }

std::vector<std::string> readParagraphs(std::string_view document) {
    return Reader(document).read();
}

} // namespace orlevan::rtf
