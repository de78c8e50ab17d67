#include "platform/format/Cp1251.h"
#include "platform/format/RtfReader.h"

#include <algorithm>
#include <array>
#include <limits>

namespace orlevan::rtf {
namespace {

constexpr std::size_t kMaxControlWordLength = 32;
constexpr long long kParameterLimit = 9'999'999'999;

constexpr bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

constexpr int toInt(long long parameter) {
    return static_cast<int>(std::clamp<long long>(parameter, 0, std::numeric_limits<int>::max()));
}

// The value of a hexadecimal digit, -1 for any other byte.
constexpr std::array<signed char, 256> kHexValue = [] {
    std::array<signed char, 256> values{};
    values.fill(-1);
    for (int c = 0; c < 10; ++c) {
        values['0' + c] = static_cast<signed char>(c);
    }
    for (int c = 0; c < 6; ++c) {
        values['a' + c] = values['A' + c] = static_cast<signed char>(10 + c);
    }
    return values;
}();

// Bytes that are text as they stand: all but those that end a run of text
// in Reader::read.
constexpr std::array<bool, 256> kPlainText = [] {
    std::array<bool, 256> plain{};
    plain.fill(true);
    for (const unsigned char c : {'\\', '{', '}', '\r', '\n'}) {
        plain[c] = false;
    }
    return plain;
}();

} // namespace

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
    const int high = pos_ < doc_.size() ? kHexValue[byteAt(pos_)] : -1;
    if (high < 0) {
        return;
    }
    const int low = pos_ + 1 < doc_.size() ? kHexValue[byteAt(pos_ + 1)] : -1;
    if (low < 0) {
        ++pos_;
        return;
    }
    pos_ += 2;
    if (fallbackToSkip_ > 0) {
        --fallbackToSkip_;
        return;
    }
    if (!inText()) {
        return;
    }
    unspokenCharacter_ = false;
    const ByteMap& map = bytes();
    // Text beyond ASCII is one \'hh after another, with plain bytes (spaces,
    // punctuation, digits) between: take the whole row here, gathered in a
    // small buffer so the line grows once per row, not per byte. A plain
    // byte is read just as readTextRun reads it.
    std::array<char, 256> row; // only its filled part is ever read
    std::size_t filled = 0;
    row[filled++] = static_cast<char>(map.toCp1251(static_cast<unsigned char>(high * 16 + low)));
    // Locals, since every byte stored in the row could otherwise alias them.
    const auto* const source = reinterpret_cast<const unsigned char*>(doc_.data());
    const std::size_t size = doc_.size();
    const bool rawText = map.isCp1251;
    std::size_t pos = pos_;
    // Which of the two comes next is a toss-up at every word's edge, so the
    // step is worked out without branching on it; a byte that is neither
    // (a brace, a control word, a line end), and the last bytes of the
    // window, go back to the main loop.
    while (pos + 3 < size) {
        const unsigned char c = source[pos];
        const bool hex = c == '\\' && source[pos + 1] == '\'';
        const int highDigit = kHexValue[source[pos + 2]];
        const int lowDigit = kHexValue[source[pos + 3]];
        if (!(hex ? (highDigit | lowDigit) >= 0 : kPlainText[c])) {
            break;
        }
        auto byte = static_cast<unsigned char>(hex ? highDigit * 16 + lowDigit : c);
        byte = rawText ? byte : map.toCp1251(byte);
        pos += hex ? 4 : 1;
        if (filled == row.size()) {
            line_.append(row.data(), filled);
            filled = 0;
        }
        row[filled++] = static_cast<char>(byte);
    }
    pos_ = pos;
    line_.append(row.data(), filled);
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
    // The name is kept only as far as a known word could go; a longer one
    // is read past, however long, and may run on past the window.
    std::array<char, kMaxControlWordLength + 1> letters{};
    std::size_t length = 0;
    while (has(1) && isLetter(byteAt(pos_))) {
        letters[std::min(length, kMaxControlWordLength)] = doc_[pos_];
        ++length;
        ++pos_;
    }
    const std::string_view name(letters.data(), std::min(length, letters.size()));

    bool hasParameter = false;
    bool negative = false;
    long long parameter = 0;
    if (has(2) && byteAt(pos_) == '-' && isDigit(byteAt(pos_ + 1))) {
        negative = true;
        ++pos_;
    }
    while (has(1) && isDigit(byteAt(pos_))) {
        hasParameter = true;
        parameter = std::min(parameter * 10 + (byteAt(pos_) - '0'), kParameterLimit);
        ++pos_;
    }
    if (negative) {
        parameter = -parameter;
    }
    if (has(1) && byteAt(pos_) == ' ') {
        ++pos_;
    }

    const ControlWord word = length <= kMaxControlWordLength
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
        fonts_.setDefaultFont(toInt(parameter));
        break;
    case WordKind::DocumentCodePage:
        fonts_.setDocumentCodePage(toInt(parameter));
        break;
    case WordKind::DosCodePage:
        fonts_.setDocumentCodePage(437);
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
        fonts_.setCharset(fontBeingDefined_, value);
        break;
    case WordKind::FontCodePage:
        fonts_.setCodePage(fontBeingDefined_, value);
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

// What lies past the window is dropped as the window moves on.
void Reader::skipBinary(long long length) {
    const auto skipped = static_cast<std::size_t>(std::max(length, 0LL));
    const std::size_t inWindow = std::min(skipped, doc_.size() - pos_);
    pos_ += inWindow;
    binaryToSkip_ = skipped - inWindow;
}

} // namespace orlevan::rtf
