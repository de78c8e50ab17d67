#include "AtomicFile.h"

#include "Failure.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace orlevan {
namespace {

// Owns the temporary file until it has been renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::filesystem::path& target)
        : name_((target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string()) {
        fd_ = ::mkstemp(name_.data());
    }
    ~TemporaryFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!committed_) {
            ::unlink(name_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool opened() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const std::string& name() const { return name_; }

    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void committed() { committed_ = true; }

private:
    std::string name_;
    int fd_ = -1;
    bool committed_ = false;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The replacement keeps the permissions of the file it replaces; a new file
// gets what a plain create would have given it under the current umask.
mode_t modeFor(const std::filesystem::path& target) {
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void replaceFile(const std::filesystem::path& path, std::string_view bytes,
                 std::string_view spelledName) {
    TemporaryFile temporary(path);
    if (!temporary.opened()) {
        throw Failure::cannotCreate(spelledName);
    }
    if (!writeAll(temporary.fd(), bytes) || ::fchmod(temporary.fd(), modeFor(path)) != 0 ||
        ::fsync(temporary.fd()) != 0 || !temporary.close()) {
        throw Failure::failedToSaveStream();
    }
    if (::rename(temporary.name().c_str(), path.c_str()) != 0) {
        throw Failure::cannotCreate(spelledName);
    }
    temporary.committed();
    syncFolder(path.parent_path());
}

} // namespace orlevan
