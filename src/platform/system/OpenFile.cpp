#include "platform/system/OpenFile.h"

#include "platform/system/ContentHash.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <vector>

namespace orlevan {
namespace {

// At most `size` bytes from `offset`; -1 on an error.
ssize_t readAt(int fd, char* into, std::size_t size, off_t offset) {
    while (true) {
        const ssize_t got = ::pread(fd, into, size, offset);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

} // namespace

std::optional<OpenFile> OpenFile::open(const std::filesystem::path& path) {
    OpenFile file;
    file.path = path;
    file.fd = FileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    file.seenAt = wallClock();
    struct stat info {};
    if (!file.fd || ::fstat(file.fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    file.stamp = stampOf(info);
    return file;
}

bool OpenFile::readAll(std::string& bytes) const {
    bytes.resize(static_cast<std::size_t>(stamp.size));
    for (std::size_t filled = 0; filled < bytes.size();) {
        const ssize_t got = readAt(fd.get(), bytes.data() + filled, bytes.size() - filled,
                                   static_cast<off_t>(filled));
        if (got <= 0) {
            return false; // an error, or the file was cut while being read
        }
        filled += static_cast<std::size_t>(got);
    }
    return true;
}

std::string OpenFile::head(std::size_t size) const {
    std::string bytes(std::min(size, static_cast<std::size_t>(std::max<off_t>(stamp.size, 0))),
                      '\0');
    const ssize_t got = readAt(fd.get(), bytes.data(), bytes.size(), 0);
    bytes.resize(static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    return bytes;
}

std::optional<std::uint64_t> OpenFile::hashAll() const {
    // A piece small enough to stay in the processor's cache between the
    // read and the digest.
    std::vector<char> piece(256 * 1024);
    ContentHash hash;
    for (off_t offset = 0;;) {
        const ssize_t got = readAt(fd.get(), piece.data(), piece.size(), offset);
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            return hash.value();
        }
        hash.add(std::string_view(piece.data(), static_cast<std::size_t>(got)));
        offset += got;
    }
}

bool OpenFile::stampHeld() const {
    struct stat info {};
    return ::fstat(fd.get(), &info) == 0 && stampOf(info) == stamp;
}

} // namespace orlevan
