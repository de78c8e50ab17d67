#include "platform/format/LinesReading.h"

#include "platform/format/Cp1251.h"
#include "platform/format/Rtf.h"
#include "platform/format/TextLines.h"

namespace orlevan {

FileDamage readLines(std::string&& bytes, LineBuffer& lines) {
    if (rtf::looksLikeRtf(bytes)) {
        const FileDamage damage = rtf::readParagraphs(bytes, lines);
        lines.dropTrailingEmptyLine();
        return damage;
    }
    FileDamage damage = FileDamage::None;
    if (cp1251::isUtf8BeyondAscii(bytes)) {
        damage = cp1251::convertUtf8InPlace(bytes) == 0 ? FileDamage::Utf8 : FileDamage::Utf8Lossy;
    }
    lines.clear();
    lines.text().swap(bytes);
    splitInPlace(lines);
    return damage;
}

} // namespace orlevan
