#include "PhraseList.h"

#include "DamagedFiles.h"
#include "Failure.h"
#include "Folder.h"
#include "ParseMemo.h"
#include "Random.h"
#include "Rtf.h"
#include "TextLines.h"

#include <utility>

namespace orlevan {

bool PhraseList::parse() {
    if (rtf::looksLikeRtf(bytes_)) {
        const bool whole = rtf::readParagraphs(bytes_, spare_);
        spare_.dropTrailingEmptyLine();
        return whole;
    }
    // Plain text is its own lines: the bytes become the buffer's text.
    spare_.clear();
    spare_.text().swap(bytes_);
    splitInPlace(spare_);
    return true;
}

PhraseList PhraseList::fromBytes(std::string_view bytes) {
    PhraseList list;
    list.bytes_.assign(bytes);
    list.parse();
    std::swap(list.lines_, list.spare_);
    return list;
}

std::string PhraseList::toBytes() const {
    std::string bytes;
    rtf::writeDocument(lines_, bytes);
    return bytes;
}

void PhraseList::load(const Folder& folder, std::string_view name) {
    const auto path = folder.read(name, bytes_);
    bool whole = true; // the memo holds whole documents only
    if (const LineBuffer* known = folder.memo().find(path, bytes_)) {
        lines_ = *known;
    } else {
        const bool rich = rtf::looksLikeRtf(bytes_);
        whole = parse();
        std::swap(lines_, spare_);
        if (rich && whole) {
            folder.memo().remember(path, bytes_, lines_);
        }
    }
    folder.damaged().loaded(path, name, whole);
}

void PhraseList::save(const Folder& folder, std::string_view name) {
    rtf::writeDocument(lines_, bytes_);
    const auto path = folder.write(name, bytes_);
    // Loading what was just written needs no second reading of the document.
    folder.memo().rememberTaking(path, bytes_, lines_);
}

std::string_view PhraseList::line(int index) const {
    return index >= 0 && index < count() ? lines_[static_cast<std::size_t>(index)]
                                         : std::string_view();
}

void PhraseList::remove(int index) {
    lines_.erase(static_cast<std::size_t>(checked(index)));
}

void PhraseList::replace(int index, std::string_view text) {
    lines_.replace(static_cast<std::size_t>(checked(index)), text);
}

int PhraseList::checked(int index) const {
    if (index < 0 || index >= count()) {
        throw Failure::indexOutOfBounds(index);
    }
    return index;
}

std::string_view PhraseList::randomLine(Random& random) const {
    return line(random.below(count()));
}

} // namespace orlevan
