#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <sys/types.h>

struct stat;

namespace orlevan {

// What the file system says of a file without reading it: which file it is
// (device and inode: a file replaced by a rename is another file), its size,
// and the nanosecond times of its last write and of its last change of any
// kind. The change time cannot be set by any program; every write, rename,
// truncation or change of the times moves it to the kernel's clock.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileStamp& other) const;
};

FileStamp stampOf(const struct stat& info);
// The stamp of what `path` names, links followed; nothing when it cannot be asked.
std::optional<FileStamp> stampOf(const std::filesystem::path& path);

// The wall clock the file system stamps files by.
timespec wallClock();

// Whether every change made after `seenAt` to a file stamped `stamp` at that
// moment must give it another stamp. A change gets the kernel's clock of that
// moment, which lags the wall clock by at most one of its ticks and is then
// cut to what the file system keeps (whole seconds on some, two seconds on
// FAT): two changes in one such step can leave the same stamp. So a stamp is
// trusted only once it is older than `seenAt` by more than that step. Until
// then the content itself must be checked.
bool stampSettled(const FileStamp& stamp, timespec seenAt);

} // namespace orlevan
