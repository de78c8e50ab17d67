#include "platform/system/FileStamp.h"

#include <algorithm>
#include <sys/stat.h>

namespace orlevan {
namespace {

constexpr long kNanosecond = 1;
constexpr long kMillisecond = 1'000'000 * kNanosecond;
constexpr long kSecond = 1'000 * kMillisecond;

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

long long nanoseconds(const timespec& t) {
    return static_cast<long long>(t.tv_sec) * kSecond + t.tv_nsec;
}

// Twice the tick of the kernel's coarse clock, which stamps files, and 10 ms
// more for the coarsest sub-second times a file system keeps (exFAT's).
long long fineStep() {
    static const long long step = [] {
        timespec tick{};
        clock_getres(CLOCK_REALTIME_COARSE, &tick);
        return 2 * nanoseconds(tick) + 10 * kMillisecond;
    }();
    return step;
}

} // namespace

bool FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           sameTime(modified, other.modified) && sameTime(changed, other.changed);
}

FileStamp stampOf(const struct stat& info) {
    return {info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

std::optional<FileStamp> stampOf(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return stampOf(info);
}

timespec wallClock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

bool stampSettled(const FileStamp& stamp, timespec seenAt) {
    // Times of whole seconds come from a file system that keeps no finer
    // ones (or, one time in a billion, by chance): FAT keeps two seconds.
    const bool wholeSeconds = stamp.modified.tv_nsec == 0 && stamp.changed.tv_nsec == 0;
    const long long step = wholeSeconds ? 2 * kSecond + fineStep() : fineStep();
    const long long latest = std::max(nanoseconds(stamp.modified), nanoseconds(stamp.changed));
    return latest + step < nanoseconds(seenAt);
}

} // namespace orlevan
