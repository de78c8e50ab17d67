#include "PhraseList.h"

#include "ContentHash.h"
#include "DamagedFiles.h"
#include "Failure.h"
#include "FileReading.h"
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
// text. False for a document cut short.
bool parse(std::string&& bytes, LineBuffer& lines) {
    if (rtf::looksLikeRtf(bytes)) {
        const bool whole = rtf::readParagraphs(bytes, lines);
        lines.dropTrailingEmptyLine();
        return whole;
    }
    lines.clear();
    lines.text().swap(bytes);
    splitInPlace(lines);
    return true;
}

// The lines of an open file. A rich-text document is read a window at a time,
// so that only its lines are ever held; plain text is read whole, as its
// bytes become the lines' text. Throws when the file cannot be read whole;
// false for a document cut short.
bool readFile(const OpenFile& file, std::string_view name, std::uint64_t& hash, LineBuffer& lines) {
    if (rtf::looksLikeRtf(file.head(5))) {
        FileReading reading(file);
        const bool whole = rtf::readParagraphs(reading, reading.size(), lines);
        reading.readRest();
        if (!reading.complete()) {
            throw Failure::cannotOpen(name);
        }
        lines.dropTrailingEmptyLine();
        hash = reading.hash();
        return whole;
    }
    std::string bytes;
    if (!file.readAll(bytes)) {
        throw Failure::cannotOpen(name);
    }
    hash = contentHash(bytes);
    return parse(std::move(bytes), lines);
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
    bool whole = true;
    if (same != nullptr) {
        content_ = same->content;
        whole = same->whole;
    } else {
        auto read = std::make_shared<LineContent>();
        std::uint64_t hash = 0;
        whole = readFile(*file, name, hash, read->lines);
        // A file that changed while it was read is read again at its next use.
        const bool held = file->stampHeld();
        content_ = std::move(read);
        if (held) {
            known.remember(path, {file->stamp, file->seenAt, hash, content_, whole});
        }
    }
    known_ = folder.known();
    knownAs_ = path;
    folder.damaged().loaded(path, name, whole);
}

void PhraseList::save(const Folder& folder, std::string_view name) {
    const LineBuffer& lines = content_->lines;
    const auto written =
        folder.write(name, [&lines](ByteSink& sink) { rtf::writeDocument(lines, sink); });
    folder.known()->remember(written.path, {written.saved.stamp, written.saved.seenAt,
                                            written.saved.hash, content_, true});
    known_ = folder.known();
    knownAs_ = written.path;
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
