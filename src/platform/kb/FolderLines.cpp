// The lines of the working folder's files, kept in memory while the files
// provably hold them.

#include "platform/format/LinesReading.h"
#include "platform/format/Rtf.h"
#include "platform/kb/DamagedFiles.h"
#include "platform/kb/KnownFiles.h"
#include "platform/system/ByteSink.h"
#include "platform/system/Failure.h"
#include "platform/system/Folder.h"
#include "platform/system/OpenFile.h"

namespace orlevan {

Folder::Lines Folder::loadLines(std::string_view name) const {
    const OpenFile file = open(located(name), name);
    if (const KnownFiles::Known* same = known_->find(file)) {
        damaged_->loaded(file.path, name, same->damage);
        return {same->content, file.path};
    }
    auto content = std::make_shared<LineContent>();
    std::uint64_t hash = 0;
    const FileDamage damage = readLines(file, name, hash, content->lines);
    // A file that changed while it was read is read again at its next use.
    const bool held = file.stampHeld();
    if (held) {
        known_->remember(file.path, file.stamp, file.seenAt, {hash, content, damage});
    }
    damaged_->loaded(file.path, name, damage);
    return {std::move(content), file.path};
}

Folder::StagedLines Folder::stageLines(std::string_view name,
                                       std::shared_ptr<LineContent> content) const {
    const LineBuffer& lines = content->lines;
    return {stage(name, [&lines](ByteSink& sink) { rtf::writeDocument(lines, sink); }),
            std::move(content), known_};
}

Folder::StagedLines::StagedLines(StagedReplacement staged, std::shared_ptr<LineContent> content,
                                 std::shared_ptr<KnownFiles> known)
    : staged_(std::move(staged)), content_(std::move(content)), known_(std::move(known)) {}

void Folder::StagedLines::place() {
    const SavedFile saved = staged_.place();
    known_->remember(staged_.path(), saved.stamp, saved.seenAt,
                     {saved.hash, content_, FileDamage::None});
}

} // namespace orlevan
