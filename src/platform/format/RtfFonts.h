#pragma once

#include "platform/format/RtfCodePages.h"

#include <unordered_map>

namespace orlevan::rtf {

// What a document says about the code pages of its text: its own code page,
// its default font, and the charset or code page of each font.
class DocumentFonts {
public:
    void setDocumentCodePage(int codePage);
    void setDefaultFont(int font);
    void setCharset(int font, int charset);
    void setCodePage(int font, int codePage);

    // The code page of text in `font`; -1 is the default font. A font the
    // font table does not name follows the document.
    const ByteMap& bytesOf(int font) const;

    // Changes whenever bytesOf may give a different answer, so that readers
    // can keep what it gave until then.
    unsigned version() const { return version_; }

private:
    struct FontCodePages {
        int charset = -1;
        int codePage = -1; // \cpgN, which wins over the charset
    };

    // Without \ansicpg the document is in the system code page of the people
    // who write these files.
    int documentCodePage_ = 1251;
    int defaultFont_ = 0;
    std::unordered_map<int, FontCodePages> fonts_;
    unsigned version_ = 1;
};

} // namespace orlevan::rtf
