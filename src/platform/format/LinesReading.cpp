#include "platform/format/LinesReading.h"

#include "platform/format/Cp1251.h"
#include "platform/format/Rtf.h"
#include "platform/format/TextLines.h"
#include "platform/system/Failure.h"
#include "platform/system/FileReading.h"
#include "platform/system/OpenFile.h"

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

FileDamage readLines(const OpenFile& file, std::string_view name, std::uint64_t& hash,
                     LineBuffer& lines) {
    if (rtf::looksLikeRtf(file.head(5))) {
        FileReading reading(file);
        const FileDamage damage = rtf::readParagraphs(reading, reading.size(), lines);
        reading.readRest();
        if (!reading.complete()) {
            throw Failure::cannotOpen(name);
        }
        lines.dropTrailingEmptyLine();
        hash = reading.hash();
        return damage;
    }
    FileReading reading(file);
    std::string bytes;
    if (!reading.readAll(bytes)) {
        throw Failure::cannotOpen(name);
    }
    hash = reading.hash();
    return readLines(std::move(bytes), lines);
}

} // namespace orlevan
