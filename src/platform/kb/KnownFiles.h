#pragma once

#include "platform/format/FileDamage.h"
#include "platform/kb/LineContent.h"
#include "platform/system/StampedCache.h"

#include <cstdint>
#include <filesystem>
#include <memory>

namespace orlevan {

struct OpenFile;

// The lines of the files last read or saved, so that a file that has not
// changed since is not read again. Each is kept with the stamp and the
// digest of the file it came from, and served only when the file opened now
// provably holds the same bytes:
//  - its stamp (FileStamp: device, inode, size, nanosecond write and change
//    times) must be the one remembered. A file replaced by a rename is
//    another inode; an edit in place moves the change time;
//  - and, as long as that stamp was too recent to tell a change made in the
//    same step of the file clock (stampSettled), its content is read again
//    and must give the remembered digest. A file that proves the same is
//    remembered as seen at this moment, so the check is made only until its
//    stamp has settled.
// A file whose stamp changed while it was read is not remembered. What no
// stamp shows: writes through a shared memory map after the first one to a
// page, until the page is written back, move no time; such a write is seen
// while the stamp is still recent, else when the file next changes.
class KnownFiles {
public:
    struct Known {
        std::uint64_t hash = 0;
        std::shared_ptr<LineContent> content;
        FileDamage damage = FileDamage::None;
    };

    // The remembered lines of `file` if it still holds them; nothing when it
    // must be read.
    const Known* find(const OpenFile& file);
    void remember(const std::filesystem::path& path, const FileStamp& stamp, timespec seenAt,
                  Known known);
    // The list holding `content` is about to edit it: it is no longer what
    // the file holds.
    void release(const std::filesystem::path& path, const LineContent* content);

private:
    // Enough for the files of a turn and of the remarks around it; the
    // largest of them all, the phrase base, is used most.
    StampedCache<Known, 8> files_;
};

} // namespace orlevan
