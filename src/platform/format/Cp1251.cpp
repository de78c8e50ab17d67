#include "platform/format/Cp1251.h"

#include <array>
#include <cstdint>

namespace orlevan::cp1251 {
namespace {

// Unicode code points of bytes 0x80..0xBF; 0xC0..0xFF are А..я in order.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

// Decodes one UTF-8 sequence at `pos`; returns false on malformed input.
bool decodeUtf8(std::string_view s, std::size_t& pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        cp = lead & 0x07;
        extra = 3;
    } else {
        ++pos;
        return false;
    }
    ++pos;
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80) {
            return false;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos]) & 0x3F);
        ++pos;
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    return cp >= kSmallest[extra] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
}

} // namespace

char32_t toUnicode(unsigned char byte) {
    if (byte < 0x80) {
        return byte;
    }
    if (byte >= 0xC0) {
        return 0x0410 + (byte - 0xC0);
    }
    return kHighHalf[byte - 0x80];
}

std::optional<unsigned char> fromUnicode(char32_t codePoint) {
    if (codePoint < 0x80) {
        return static_cast<unsigned char>(codePoint);
    }
    if (codePoint >= 0x0410 && codePoint <= 0x044F) {
        return static_cast<unsigned char>(0xC0 + (codePoint - 0x0410));
    }
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == codePoint) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        appendUtf8(out, toUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

std::optional<Utf8Trouble> convertUtf8(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        char32_t cp = 0;
        if (!decodeUtf8(utf8, pos, cp)) {
            return Utf8Trouble{true, start, 0};
        }
        const auto byte = fromUnicode(cp);
        if (!byte) {
            return Utf8Trouble{false, start, cp};
        }
        out += static_cast<char>(*byte);
    }
    return std::nullopt;
}

std::optional<std::string> fromUtf8Exactly(std::string_view utf8) {
    std::string out;
    if (convertUtf8(utf8, out)) {
        return std::nullopt;
    }
    return out;
}

std::string fromUtf8(std::string_view utf8) {
    std::string text(utf8);
    convertUtf8InPlace(text);
    return text;
}

bool isUtf8BeyondAscii(std::string_view text) {
    bool beyondAscii = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        char32_t cp = 0;
        if (!decodeUtf8(text, pos, cp)) {
            return false;
        }
        beyondAscii = true;
    }
    return beyondAscii;
}

std::size_t convertUtf8InPlace(std::string& text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    std::size_t pos = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    std::size_t out = 0;
    std::size_t lacking = 0;
    while (pos < text.size()) {
        char32_t cp = 0;
        const auto byte = decodeUtf8(text, pos, cp) ? fromUnicode(cp) : std::nullopt;
        lacking += byte ? 0 : 1;
        text[out++] = byte ? static_cast<char>(*byte) : '?';
    }
    text.resize(out);
    return lacking;
}

} // namespace orlevan::cp1251
