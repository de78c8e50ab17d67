#include "PhraseList.h"

#include "ContentHash.h"
#include "Cp1251.h"
#include "DamagedFiles.h"
#include "Failure.h"
#include "Folder.h"
#include "KnownFiles.h"
#include "OpenFile.h"
#include "Random.h"
#include "Rtf.h"
#include "TextLines.h"

#include <optional>
#include <utility>

namespace orlevan {
namespace {

// The lines of a file's bytes; throws without touching `lines` when they
// cannot be read. Plain text is its own lines: the bytes become the buffer's
// text, in Windows-1251 even when an editor saved them as UTF-8.
FileDamage parse(std::string&& bytes, LineBuffer& lines) {
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

} // namespace

PhraseList::PhraseList() : content_(std::make_shared<LineContent>()) {}

PhraseList::PhraseList(const std::vector<std::string>& lines) : PhraseList() {
    content_->lines = LineBuffer::of(lines);
}

PhraseList PhraseList::fromBytes(std::string_view bytes) {
    PhraseList list;
    parse(std::string(bytes), list.content_->lines);
    return list;
}

std::string PhraseList::toBytes() const {
    std::string bytes;
    rtf::writeDocument(content_->lines, bytes);
    return bytes;
}

void PhraseList::load(const Folder& folder, std::string_view name) {
    const auto [path, wayKnownSince] = folder.locate(name);
    KnownFiles& known = *folder.known();
    const KnownFiles::Known* same = known.findSettled(path, wayKnownSince);
    std::optional<OpenFile> file;
    if (same == nullptr) {
        file.emplace(folder.open(path, name));
        same = known.find(*file);
    }
    FileDamage damage = FileDamage::None;
    if (same != nullptr) {
        content_ = same->content;
        damage = same->damage;
    } else {
        std::string bytes;
        if (!file->readAll(bytes)) {
            throw Failure::cannotOpen(name);
        }
        // A file that changed while it was read is read again at its next use.
        const bool held = file->stampHeld();
        const std::uint64_t hash = contentHash(bytes);
        auto read = std::make_shared<LineContent>();
        damage = parse(std::move(bytes), read->lines);
        content_ = std::move(read);
        if (held) {
            known.remember(path, {file->stamp, file->seenAt, hash, content_, damage});
        }
    }
    known_ = folder.known();
    knownAs_ = path;
    folder.damaged().loaded(path, name, damage);
}

void PhraseList::save(const Folder& folder, std::string_view name) {
    PendingSave pending = stage(folder, name);
    pending.place();
    known_ = folder.known();
    knownAs_ = pending.staged_.path();
}

PhraseList::PendingSave PhraseList::stage(const Folder& folder, std::string_view name) const {
    const LineBuffer& lines = content_->lines;
    return {folder.stage(name, [&lines](ByteSink& sink) { rtf::writeDocument(lines, sink); }),
            content_, folder.known()};
}

PhraseList::PendingSave::PendingSave(StagedReplacement staged, std::shared_ptr<LineContent> content,
                                     std::shared_ptr<KnownFiles> known)
    : staged_(std::move(staged)), content_(std::move(content)), known_(std::move(known)) {}

void PhraseList::PendingSave::place() {
    const SavedFile saved = staged_.place();
    known_->remember(staged_.path(),
                     {saved.stamp, saved.seenAt, saved.hash, content_, FileDamage::None});
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
