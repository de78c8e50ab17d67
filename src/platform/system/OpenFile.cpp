#include "platform/system/OpenFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orlevan {

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

std::string OpenFile::head(std::size_t size) const {
    std::string bytes(std::min(size, static_cast<std::size_t>(std::max<off_t>(stamp.size, 0))),
                      '\0');
    ssize_t got = 0;
    do {
        got = ::pread(fd.get(), bytes.data(), bytes.size(), 0);
    } while (got < 0 && errno == EINTR);
    bytes.resize(static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    return bytes;
}

bool OpenFile::stampHeld() const {
    struct stat info {};
    return ::fstat(fd.get(), &info) == 0 && stampOf(info) == stamp;
}

} // namespace orlevan
