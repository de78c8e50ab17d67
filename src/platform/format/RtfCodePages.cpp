#include "platform/format/RtfCodePages.h"

#include <cstddef>
#include <iconv.h>

namespace orlevan::rtf {
namespace {

struct KnownCodePage {
    int number;
    const char* iconvName; // null for Windows-1251 itself
};

constexpr std::array<KnownCodePage, 10> kKnownCodePages = {{
    {1251, nullptr},
    {1250, "CP1250"},
    {1252, "CP1252"},
    {1253, "CP1253"},
    {1254, "CP1254"},
    {1257, "CP1257"},
    {437, "CP437"},
    {866, "CP866"},
    {20866, "KOI8-R"},
    {10007, "MS-MAC-CYRILLIC"}, // Mac Cyrillic in its Windows variant
}};

ByteMap identity() {
    ByteMap map;
    map.isCp1251 = true;
    for (std::size_t i = 0; i < map.upperHalf.size(); ++i) {
        map.upperHalf[i] = static_cast<unsigned char>(0x80 + i);
    }
    return map;
}

// Each byte of the upper half converted on its own; a byte the code page
// leaves unassigned, or whose character 1251 lacks, reads as '?', and so does
// every byte where the C library has no converter.
ByteMap mapInto1251(const char* iconvName) {
    ByteMap map;
    map.upperHalf.fill('?');
    const iconv_t convert = ::iconv_open("CP1251", iconvName);
    if (convert == reinterpret_cast<iconv_t>(-1)) {
        return map;
    }
    for (std::size_t i = 0; i < map.upperHalf.size(); ++i) {
        char in = static_cast<char>(0x80 + i);
        char out = '?';
        char* inPos = &in;
        char* outPos = &out;
        std::size_t inLeft = 1;
        std::size_t outLeft = 1;
        ::iconv(convert, nullptr, nullptr, nullptr, nullptr);
        if (::iconv(convert, &inPos, &inLeft, &outPos, &outLeft) != static_cast<std::size_t>(-1) &&
            outLeft == 0) {
            map.upperHalf[i] = static_cast<unsigned char>(out);
        }
    }
    ::iconv_close(convert);
    return map;
}

} // namespace

const ByteMap& byteMapOf(int codePage) {
    static const std::array<ByteMap, kKnownCodePages.size()> maps = [] {
        std::array<ByteMap, kKnownCodePages.size()> built;
        for (std::size_t i = 0; i < kKnownCodePages.size(); ++i) {
            const char* iconvName = kKnownCodePages[i].iconvName;
            built[i] = iconvName == nullptr ? identity() : mapInto1251(iconvName);
        }
        return built;
    }();
    for (std::size_t i = 0; i < kKnownCodePages.size(); ++i) {
        if (kKnownCodePages[i].number == codePage) {
            return maps[i];
        }
    }
    return maps[0];
}

int codePageOfCharset(int charset, int documentCodePage) {
    switch (charset) {
    case 0: // ANSI
    case 2: // symbol fonts: their bytes are glyph numbers, read as Western
        return 1252;
    case 89: // Mac Russian
        return 10007;
    case 161: // Greek
        return 1253;
    case 162: // Turkish
        return 1254;
    case 186: // Baltic
        return 1257;
    case 204: // Russian
        return 1251;
    case 238: // Eastern European
        return 1250;
    case 254: // PC 437
        return 437;
    case 255: // OEM: the DOS code page of a Russian system
        return 866;
    default:
        return documentCodePage;
    }
}

} // namespace orlevan::rtf
