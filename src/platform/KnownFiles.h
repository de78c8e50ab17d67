#pragma once

#include "ChangeWatch.h"
#include "FileDamage.h"
#include "FileStamp.h"
#include "LineContent.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

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
//
// Where the file is watched (ChangeWatch.h), a settled stamp is not even
// asked for while its look is quiet along a way known since before it, as
// of the watch's last catch-up. The watch is set up after a file proved the same (or was read),
// and then the stamp is taken once more: as the stamp had settled, an equal
// stamp shows that nothing changed between the proof and the watch.
class KnownFiles {
public:
    explicit KnownFiles(std::shared_ptr<ChangeWatch> watch) : watch_(std::move(watch)) {}

    struct Known {
        FileStamp stamp;
        timespec seenAt{};
        std::uint64_t hash = 0;
        std::shared_ptr<LineContent> content;
        FileDamage damage = FileDamage::None;
    };

    // The remembered lines of the file at `path` when its stamp has settled
    // and is still the one remembered: no need to open it. `wayKnownSince`
    // tells since when the path is known to lead to the same file.
    const Known* findSettled(const std::filesystem::path& path, std::uint64_t wayKnownSince);
    // The remembered lines of `file` if it still holds them; nothing when it
    // must be read.
    const Known* find(const OpenFile& file);
    void remember(const std::filesystem::path& path, Known known);
    // The list holding `content` is about to edit it: it is no longer what
    // the file holds.
    void release(const std::filesystem::path& path, const LineContent* content);

private:
    struct Entry {
        std::filesystem::path path;
        Known known;
        ChangeWatch::Look look;
        unsigned lastUse = 0;
    };
    Entry* entryOf(const std::filesystem::path& path);
    void forget(Entry& entry);
    // Watches the file of `entry` from now on, if its stamp is still the
    // remembered one.
    void watchFromNow(Entry& entry);

    // Enough for the files of a turn and of the remarks around it; the
    // largest of them all, the phrase base, is used most.
    static constexpr std::size_t kEntries = 8;
    std::shared_ptr<ChangeWatch> watch_;
    std::vector<Entry> entries_;
    unsigned uses_ = 0;
};

} // namespace orlevan
