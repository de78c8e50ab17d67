#pragma once

#include <string_view>

// The control words the reader acts on; every other word is formatting and
// is read past.
namespace orlevan::rtf {

enum class WordKind : unsigned char {
    Formatting,         // no effect on the text
    ParagraphMark,      // ends the current line
    Character,          // one Windows-1251 byte, `byte`
    UnicodeCharacter,   // \uN
    FallbackLength,     // \ucN
    Binary,             // \binN: N raw bytes follow
    Font,               // \fN
    PlainFormatting,    // \plain: back to the default font
    DefaultFont,        // \deffN
    DocumentCodePage,   // \ansicpgN
    DosCodePage,        // \pc: the document is in code page 437
    FontCharset,        // \fcharsetN inside the font table
    FontCodePage,       // \cpgN inside the font table
    FontTable,          // \fonttbl
    SkippedDestination, // a group whose content is not document text
};

struct ControlWord {
    std::string_view name;
    WordKind kind;
    unsigned char byte = 0;
};

// The meaning of the control word `name` (letters only, no parameter).
ControlWord lookUpControlWord(std::string_view name);

} // namespace orlevan::rtf
