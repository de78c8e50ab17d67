#include "ChangeWatch.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <linux/magic.h>
#include <pthread.h>
#include <sys/inotify.h>
#include <sys/vfs.h>

namespace orlevan {
namespace {

// File systems that only this machine writes to, so that the kernel sees
// every change. Anything else (NFS, SMB, FUSE, 9p, Ceph, ...) is asked.
bool isLocal(const std::filesystem::path& path) {
    struct statfs info {};
    if (::statfs(path.c_str(), &info) != 0) {
        return false;
    }
    constexpr unsigned long kZfs = 0x2fc12fc1;
    constexpr unsigned long kExfat = 0x2011bab0;
    constexpr unsigned long kNtfs3 = 0x7366746e;
    constexpr unsigned long kBcachefs = 0xca451a4e;
    constexpr unsigned long kJfs = 0x3153464a;
    constexpr std::array<unsigned long, 15> local{EXT4_SUPER_MAGIC,
                                                  XFS_SUPER_MAGIC,
                                                  BTRFS_SUPER_MAGIC,
                                                  TMPFS_MAGIC,
                                                  F2FS_SUPER_MAGIC,
                                                  OVERLAYFS_SUPER_MAGIC,
                                                  RAMFS_MAGIC,
                                                  REISERFS_SUPER_MAGIC,
                                                  NILFS_SUPER_MAGIC,
                                                  MSDOS_SUPER_MAGIC,
                                                  kZfs,
                                                  kExfat,
                                                  kNtfs3,
                                                  kBcachefs,
                                                  kJfs};
    return std::find(local.begin(), local.end(), static_cast<unsigned long>(info.f_type)) !=
           local.end();
}

// A folder changes with its entries and its own permissions; a file with
// its content, times, permissions and links. An open tells of a writer that
// may go on through a memory map.
constexpr std::uint32_t kFolderChanges = IN_ONLYDIR | IN_CREATE | IN_DELETE | IN_MOVED_FROM |
                                         IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr std::uint32_t kFileChanges =
    IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_OPEN | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr std::uint32_t kAncestorChanges = IN_ONLYDIR | IN_DELETE_SELF | IN_MOVE_SELF;

std::uint32_t changesOf(ChangeWatch::What what) {
    switch (what) {
    case ChangeWatch::What::File:
        return kFileChanges;
    case ChangeWatch::What::Folder:
        return kFolderChanges;
    case ChangeWatch::What::Ancestor:
        return kAncestorChanges;
    }
    return kFileChanges;
}

// A child made by fork shares its parent's queue of notes, and each note
// read there would be lost to the parent: a watch made before a fork serves
// only the process that made it.
std::atomic<unsigned> forks{0};

unsigned forksSoFar() {
    static const bool counting = [] {
        return ::pthread_atfork(nullptr, nullptr, [] { ++forks; }) == 0;
    }();
    return counting ? forks.load() : 0;
}

} // namespace

ChangeWatch::ChangeWatch()
    : notes_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), forksAtStart_(forksSoFar()) {}

bool ChangeWatch::serves() const {
    return notes_ && forks.load(std::memory_order_relaxed) == forksAtStart_;
}

void ChangeWatch::catchUp() {
    if (!serves()) {
        return;
    }
    alignas(inotify_event) char buffer[4096];
    // Another program writing without pause cannot keep this from ending:
    // past so many notes they count as lost.
    constexpr int kMostReads = 64;
    for (int reads = 0;; ++reads) {
        if (reads == kMostReads) {
            lostAt_ = ++notesRead_;
            return;
        }
        const ssize_t got = ::read(notes_.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return; // EAGAIN: nothing more queued
        }
        for (ssize_t at = 0; at < got;) {
            const auto* note = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + note->len);
            ++notesRead_;
            if ((note->mask & IN_Q_OVERFLOW) != 0) {
                lostAt_ = notesRead_;
            } else if (note->len == 0 || note->mask != IN_ATTRIB) {
                // (A folder also hears of its files' new times: not a change of its entries.)
                lastNoteOf_[note->wd] = notesRead_;
            }
        }
    }
}

ChangeWatch::Look ChangeWatch::look(const std::filesystem::path& path, What what) {
    if (!serves() || !isLocal(path)) {
        return {};
    }
    // A folder above the working folder may be listed as a folder too: its
    // watch then tells of both.
    const int watch =
        ::inotify_add_watch(notes_.get(), path.c_str(), changesOf(what) | IN_MASK_ADD);
    return {watch, notesRead_};
}

bool ChangeWatch::quietSince(const Look& look) const {
    if (look.watch < 0 || lostAt_ > look.notesRead || !serves()) {
        return false;
    }
    const auto last = lastNoteOf_.find(look.watch);
    return last == lastNoteOf_.end() || last->second <= look.notesRead;
}

bool ChangeWatch::quietAlong(const Look& look, std::uint64_t wayKnownSince) const {
    return wayKnownSince <= look.notesRead && quietSince(look);
}

std::uint64_t ChangeWatch::wayPast(const Look& look, std::uint64_t wayKnownSince) {
    return look.watch < 0 || wayKnownSince == kWayUnknown ? kWayUnknown
                                                          : std::max(look.notesRead, wayKnownSince);
}

} // namespace orlevan
