#include "platform/format/RtfFonts.h"

namespace orlevan::rtf {

void DocumentFonts::setDocumentCodePage(int codePage) {
    documentCodePage_ = codePage;
    ++version_;
}

void DocumentFonts::setDefaultFont(int font) {
    defaultFont_ = font;
    ++version_;
}

void DocumentFonts::setCharset(int font, int charset) {
    fonts_[font].charset = charset;
    ++version_;
}

void DocumentFonts::setCodePage(int font, int codePage) {
    fonts_[font].codePage = codePage;
    ++version_;
}

const ByteMap& DocumentFonts::bytesOf(int font) const {
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

} // namespace orlevan::rtf
