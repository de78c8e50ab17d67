#include "PhraseList.h"

#include "Failure.h"
#include "Folder.h"
#include "Random.h"
#include "Rtf.h"
#include "TextLines.h"

namespace orlevan {

PhraseList PhraseList::fromBytes(std::string_view bytes) {
    if (!rtf::looksLikeRtf(bytes)) {
        return PhraseList(splitTextLines(bytes));
    }
    auto paragraphs = rtf::readParagraphs(bytes);
    dropTrailingEmptyLine(paragraphs);
    return PhraseList(std::move(paragraphs));
}

std::string PhraseList::toBytes() const { return rtf::writeDocument(lines_); }

void PhraseList::load(const Folder& folder, std::string_view name) {
    *this = fromBytes(folder.read(name));
}

void PhraseList::save(const Folder& folder, std::string_view name) const {
    folder.write(name, toBytes());
}

const std::string& PhraseList::line(int index) const {
    static const std::string kNone;
    return index >= 0 && index < count() ? lines_[static_cast<std::size_t>(index)] : kNone;
}

void PhraseList::remove(int index) {
    lines_.erase(lines_.begin() + checked(index));
}

void PhraseList::replace(int index, std::string text) {
    lines_[static_cast<std::size_t>(checked(index))] = std::move(text);
}

int PhraseList::checked(int index) const {
    if (index < 0 || index >= count()) {
        throw Failure::indexOutOfBounds(index);
    }
    return index;
}

const std::string& PhraseList::randomLine(Random& random) const {
    return line(random.below(count()));
}

} // namespace orlevan
