#include "platform/kb/PhraseList.h"

#include "platform/format/LinesReading.h"
#include "platform/format/Rtf.h"
#include "platform/kb/KnownFiles.h"
#include "platform/system/Failure.h"
#include "platform/system/Folder.h"
#include "platform/system/Random.h"

#include <utility>

namespace orlevan {
PhraseList::PhraseList() : content_(std::make_shared<LineContent>()) {}

PhraseList::PhraseList(const std::vector<std::string>& lines) : PhraseList() {
    content_->lines = LineBuffer::of(lines);
}

PhraseList PhraseList::fromBytes(std::string_view bytes) {
    PhraseList list;
    readLines(std::string(bytes), list.content_->lines);
    return list;
}

std::string PhraseList::toBytes() const {
    std::string bytes;
    rtf::writeDocument(content_->lines, bytes);
    return bytes;
}

void PhraseList::load(const Folder& folder, std::string_view name) {
    Folder::Lines loaded = folder.loadLines(name);
    content_ = std::move(loaded.content);
    known_ = folder.known();
    knownAs_ = std::move(loaded.path);
}

void PhraseList::save(const Folder& folder, std::string_view name) {
    PendingSave pending = stage(folder, name);
    pending.place();
    known_ = folder.known();
    knownAs_ = pending.path();
}

PhraseList::PendingSave PhraseList::stage(const Folder& folder, std::string_view name) const {
    return folder.stageLines(name, content_);
}

LineContent& PhraseList::editable() {
    if (const auto known = known_.lock()) {
        known->release(knownAs_, content_.get());
    }
    known_.reset();
    if (content_.use_count() > 1) {
        auto own = std::make_shared<LineContent>();
        own->lines = content_->lines;
        content_ = std::move(own);
    }
    return *content_;
}

std::string_view PhraseList::line(int index) const {
    return index >= 0 && index < count() ? content_->lines[static_cast<std::size_t>(index)]
                                         : std::string_view();
}

void PhraseList::append(std::string_view text) {
    LineContent& content = editable();
    content.lines.append(text);
    if (content.index) {
        content.index->linked(content.lines, content.lines.size() - 1);
    }
}

void PhraseList::remove(int index) {
    const auto at = static_cast<std::size_t>(checked(index));
    LineContent& content = editable();
    if (content.index) {
        content.index->unlinking(content.lines, at);
    }
    content.lines.erase(at);
    if (content.index) {
        content.index->removed(content.lines, at);
    }
}

void PhraseList::replace(int index, std::string_view text) {
    const auto at = static_cast<std::size_t>(checked(index));
    LineContent& content = editable();
    if (content.index) {
        content.index->unlinking(content.lines, at);
    }
    content.lines.replace(at, text);
    if (content.index) {
        content.index->linked(content.lines, at);
    }
}

void PhraseList::clear() {
    content_ = std::make_shared<LineContent>();
    known_.reset();
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
