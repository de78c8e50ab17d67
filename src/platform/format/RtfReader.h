#pragma once

// The reader of rich-text documents behind readParagraphs.
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
//   are layout and add nothing.
// - CR and LF in the source are ignored; every other raw byte is text.
// - Code pages: \'hh and raw bytes above 0x7F are read in the code page of the
//   current font (its \cpgN, else its \fcharsetN), else in the document's
//   \ansicpgN (\pc: 437). A document that names none is in 1251, the system
//   code page of the people who write these files; \ansi alone does not make
//   it 1252. The font is the one of the innermost group that named one, else
//   the \deffN font; \plain goes back to \deffN. An unknown code page reads as 1251. A byte whose
//   character 1251 lacks becomes '?'.
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
//   A missing closing brace ends it at the end of the bytes, and the reader
//   says so: such a document was cut short.
// - Hostile input: braces nest to any depth, but beyond kMaxTrackedDepth (1000) the
//   groups share the state of the deepest tracked one, so memory stays small,
//   and the document is told as damaged: no editor nests that deep;
//   parameters saturate at 10 digits; control words of more than 32 letters
//   are read past as unknown formatting; \binN skips at most what remains; a
//   cut-off \'h, control word or group ends the text there. Every byte is
//   looked at a bounded number of times, so reading time is linear.

#include "platform/format/ByteSource.h"
#include "platform/format/FileDamage.h"
#include "platform/format/LineBuffer.h"
#include "platform/format/RtfCodePages.h"
#include "platform/format/RtfControlWords.h"
#include "platform/format/RtfFonts.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan::rtf {

constexpr bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

enum class Destination : unsigned char { Text, FontTable, Skipped };

struct GroupState {
    Destination destination = Destination::Text;
    int font = -1; // -1: the document's default font
    long long fallbackLength = 1;
    // The code page of `font`, worked out again when the fonts changed since.
    const ByteMap* bytes = nullptr;
    unsigned fontsVersion = 0;
};

// Reads one document; RtfReader.cpp holds the reading of text, groups and
// lines, RtfControls.cpp the control words and symbols.
//
// The document comes from a source through a window of `window` bytes, so a
// large one is never held whole: only the window and the lines read. Every
// control word that could run past the window's end asks for more first.
class Reader {
public:
    static constexpr std::size_t kWindow = 1024 * 1024;

    // Reads into `lines`, which is emptied first (keeping its memory).
    // `size` is the document's size when known, 0 when not.
    Reader(ByteSource& source, std::size_t size, LineBuffer& lines, std::size_t window = kWindow)
        : source_(source), size_(size), window_(window), lines_(lines) {}

    // What was wrong with the document, if anything.
    FileDamage read();

private:
    GroupState& state() { return groups_.back(); }
    bool inText() const { return groups_.back().destination == Destination::Text; }
    bool atRoot() const { return groups_.size() == 1 && excessDepth_ == 0; }
    unsigned char byteAt(std::size_t pos) const { return static_cast<unsigned char>(doc_[pos]); }
    // Whether `count` bytes from pos_ are in the window, moving it on first
    // when they are not and the document goes on.
    bool has(std::size_t count);
    void moveWindow();

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
    // The code page of the current group's font.
    const ByteMap& bytes() {
        GroupState& group = state();
        if (group.fontsVersion != fonts_.version()) {
            group.bytes = &fonts_.bytesOf(group.font);
            group.fontsVersion = fonts_.version();
        }
        return *group.bytes;
    }

    ByteSource& source_;
    std::size_t size_;
    std::size_t window_;
    std::string held_; // the window's bytes
    bool sourceEnded_ = false;
    std::size_t binaryToSkip_ = 0; // \bin data past the window
    std::string_view doc_;         // the part of the document in the window
    std::size_t pos_ = 0;          // in the window
    std::vector<GroupState> groups_;
    std::size_t excessDepth_ = 0;
    bool tooDeep_ = false;
    bool finished_ = false;

    DocumentFonts fonts_;
    int fontBeingDefined_ = 0;

    long long fallbackToSkip_ = 0;
    bool afterHighSurrogate_ = false;
    bool unspokenCharacter_ = false; // a \uN 1251 lacks, waiting for its fallback

    LineBuffer& lines_;
    std::string& line_ = lines_.text(); // the line being read grows at its end
    std::size_t lineStart_ = 0;
};

} // namespace orlevan::rtf
