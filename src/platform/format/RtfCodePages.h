#pragma once

#include <array>

// The single-byte code pages a rich-text document may use for its \'hh bytes,
// each read into Windows-1251 through the C library's converters.
namespace orlevan::rtf {

// How the bytes of one code page read in Windows-1251. Bytes below 0x80 are
// ASCII in every supported code page; a byte of the upper half becomes the
// 1251 byte of the same character, or '?' where 1251 has no such character.
struct ByteMap {
    bool isCp1251 = false; // the bytes are taken as they are
    std::array<unsigned char, 128> upperHalf{};

    unsigned char toCp1251(unsigned char byte) const {
        return byte < 0x80 ? byte : upperHalf[byte - 0x80];
    }
};

// The map of a Windows code page number (1250, 1251, 1252, 1253, 1254, 1257,
// 437, 866, 20866 KOI8-R, 10007 Mac Cyrillic); any other number reads as 1251,
// the code page of the program's own files.
const ByteMap& byteMapOf(int codePage);

// The code page of a font's \fcharsetN. The default charset, and charsets of
// scripts no supported code page serves, follow the document's code page.
int codePageOfCharset(int charset, int documentCodePage);

} // namespace orlevan::rtf
