#pragma once

#include "FileDescriptor.h"

#include <cstdint>
#include <filesystem>
#include <unordered_map>

namespace orlevan {

// Whether a file or a folder may have changed since a moment, told by the
// kernel (inotify) rather than asked of the file system at every use. The
// kernel queues a note of every change made on this machine, through any
// path: a write, a truncation, new times or permissions, a link made or
// removed, an entry made, removed or renamed in a folder. The notes are read
// by `catchUp`, one system call however many paths are watched.
//
// A path is not watched, and whoever asks goes on asking the file system,
// where notes may be missing: on a file system not known to be local (NFS,
// SMB, FUSE and the like see changes made by other machines), when the
// kernel refuses a watch (the user's limit reached) or has no inotify.
// Notes lost because too many came at once make every watch unquiet. A
// child process made by fork asks the file system too.
//
// One change no note tells: a write through a shared memory map. A file's
// users therefore trust its watch only once its stamp has settled (see
// KnownFiles.h), and a writer that mapped a file before it was last looked
// at goes unseen until the file next changes otherwise.
//
// A quiet look at a path tells that what the path led to has not changed;
// that the path still leads there is told by the looks on the way to it: a
// way is known since a count of notes read when every folder on it is watched,
// quiet, and was looked at no later than the next one on the way (see
// Folder.cpp).
class ChangeWatch {
public:
    // A file's content; a folder's entries; a folder above the working
    // folder, which only its own move or removal changes.
    enum class What { File, Folder, Ancestor };

    // A look at a path: its watch, and how many notes had been read when it
    // was taken. A look without a watch is never quiet.
    struct Look {
        int watch = -1;
        std::uint64_t notesRead = 0;
    };

    // The count of notes read since which a way is known; kWayUnknown when
    // something on it is not watched.
    static constexpr std::uint64_t kWayUnknown = UINT64_MAX;

    ChangeWatch();

    // Reads the notes queued since the last call.
    void catchUp();
    // Starts watching `path` (or goes on): a change from now on makes the
    // look unquiet once its note is read. A look without a watch when the
    // path cannot be watched.
    Look look(const std::filesystem::path& path, What what);
    // Whether no note about the path looked at has been read since the look.
    bool quietSince(const Look& look) const;
    // Whether the look is quiet and was taken on a way known since before it:
    // the path still leads to what was looked at, and that has not changed.
    bool quietAlong(const Look& look, std::uint64_t wayKnownSince) const;
    // The way past a look: known since the look, if it can be known at all.
    static std::uint64_t wayPast(const Look& look, std::uint64_t wayKnownSince);
    std::uint64_t notesRead() const { return notesRead_; }

private:
    // Whether the notes are this process's to read (not inherited by fork).
    bool serves() const;

    FileDescriptor notes_;
    unsigned forksAtStart_ = 0;
    std::uint64_t notesRead_ = 0;
    std::uint64_t lostAt_ = 0; // notes were lost: nothing looked at before is quiet
    std::unordered_map<int, std::uint64_t> lastNoteOf_;
};

} // namespace orlevan
