#include "platform/system/AtomicFile.h"

#include "platform/system/ContentHash.h"
#include "platform/system/Failure.h"
#include "platform/system/FileDescriptor.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <vector>

namespace orlevan {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kCopyPrefix = ".orlevan-save-";
constexpr std::size_t kCopyLetters = 6; // as mkstemp's XXXXXX
constexpr int kAttempts = 100;

bool isCopyName(std::string_view name) {
    return name.size() == kCopyPrefix.size() + kCopyLetters && name.starts_with(kCopyPrefix) &&
           std::all_of(name.begin() + kCopyPrefix.size(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A copy is locked for the life of its save. Where the file system has no
// locks, no save can lock, and no copy is ever taken for abandoned.
void holdLock(int fd) {
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

} // namespace

// The new content of a file while it is written, under a hidden name that
// is locked until the content is in place.
class PendingFile {
public:
    PendingFile() = default;
    PendingFile(PendingFile&& other) noexcept
        : fd_(std::move(other.fd_)), name_(std::exchange(other.name_, {})), placed_(other.placed_) {
    }
    PendingFile& operator=(PendingFile&&) = delete;
    ~PendingFile() {
        if (!name_.empty() && !placed_) {
            ::unlink(name_.c_str());
        }
    }

    // Another save may take the new file for abandoned between its making
    // and its locking; it is then made again. False when none can be made.
    bool open(const fs::path& folder) {
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            std::string name = (folder / (std::string(kCopyPrefix) + "XXXXXX")).string();
            FileDescriptor fd(::mkostemp(name.data(), O_CLOEXEC));
            if (!fd) {
                return false;
            }
            holdLock(fd.get());
            struct stat held {};
            struct stat named {};
            if (::fstat(fd.get(), &held) == 0 && ::lstat(name.c_str(), &named) == 0 &&
                sameFile(held, named)) {
                fd_ = std::move(fd);
                name_ = std::move(name);
                return true;
            }
        }
        return false;
    }

    int fd() const { return fd_.get(); }
    const std::string& name() const { return name_; }
    // The copy's name has become the target's.
    void placed() { placed_ = true; }

private:
    FileDescriptor fd_;
    std::string name_;
    bool placed_ = false;
};

namespace {

// A copy nobody holds locked was left by a save that was killed. `found` is
// called only while this process holds its lock and only if its name still
// leads to the file locked.
void forEachAbandonedCopy(const fs::path& folder,
                          const std::function<void(const fs::path&)>& found) {
    std::vector<fs::path> copies;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (isCopyName(it->path().filename().string())) {
            copies.push_back(it->path());
        }
    }
    for (const auto& copy : copies) {
        const FileDescriptor fd(
            ::open(copy.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat held {};
        struct stat named {};
        if (fd && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 && ::fstat(fd.get(), &held) == 0 &&
            S_ISREG(held.st_mode) && ::lstat(copy.c_str(), &named) == 0 && sameFile(held, named)) {
            found(copy);
        }
    }
}

} // namespace

std::vector<fs::path> abandonedCopies(const fs::path& folder) {
    std::vector<fs::path> copies;
    forEachAbandonedCopy(folder, [&](const fs::path& copy) { copies.push_back(copy); });
    return copies;
}

void removeAbandonedCopies(const fs::path& folder) {
    forEachAbandonedCopy(folder, [](const fs::path& copy) { ::unlink(copy.c_str()); });
}

namespace {

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The permissions the new content gets: those of the file it replaces, or
// those a plain create would give a new one. Nothing when `path` is not a
// file that may be replaced. A file nobody may write is left alone even by
// root, who could write it anyway: it was made read-only on purpose.
std::optional<mode_t> modeForReplacing(const fs::path& path) {
    struct stat existing {};
    if (::lstat(path.c_str(), &existing) != 0) {
        return errno == ENOENT ? std::optional(newFileMode()) : std::nullopt;
    }
    const bool writable = (existing.st_mode & 0222) != 0 &&
                          ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
    if (!S_ISREG(existing.st_mode) || !writable) {
        return std::nullopt;
    }
    return existing.st_mode & 07777;
}

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

// Writes each piece as it comes and keeps the digest of all of them.
class CopySink final : public ByteSink {
public:
    CopySink(int fd, std::string_view spelledName) : fd_(fd), spelledName_(spelledName) {}

    void put(std::string_view bytes) override {
        if (!writeAll(fd_, bytes)) {
            throw Failure::failedToSaveStream(spelledName_, errno);
        }
        hash_.add(bytes);
    }
    std::uint64_t hash() const { return hash_.value(); }

private:
    int fd_;
    std::string_view spelledName_;
    ContentHash hash_;
};

// The content written to disk in a copy beside the target.
PendingFile writtenCopy(const fs::path& folder, const ContentMaker& make, mode_t mode,
                        std::string_view spelledName, std::uint64_t& hash) {
    removeAbandonedCopies(folder);
    PendingFile copy;
    if (!copy.open(folder)) {
        throw Failure::cannotCreate(spelledName);
    }
    CopySink sink(copy.fd(), spelledName);
    make(sink);
    if (::fchmod(copy.fd(), mode) != 0 || ::fsync(copy.fd()) != 0) {
        throw Failure::failedToSaveStream(spelledName, errno);
    }
    hash = sink.hash();
    return copy;
}

fs::path folderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// The new name is on disk only when the folder is.
void syncFolder(const fs::path& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd) {
        ::fsync(fd.get());
    }
}

} // namespace

StagedReplacement::StagedReplacement(fs::path path, std::string spelledName,
                                     std::unique_ptr<PendingFile> copy, std::uint64_t hash)
    : path_(std::move(path)), spelledName_(std::move(spelledName)), copy_(std::move(copy)),
      hash_(hash) {}
StagedReplacement::StagedReplacement(StagedReplacement&&) noexcept = default;
StagedReplacement& StagedReplacement::operator=(StagedReplacement&&) noexcept = default;
StagedReplacement::~StagedReplacement() = default;

StagedReplacement stageReplacement(const fs::path& path, const ContentMaker& make,
                                   std::string_view spelledName) {
    const auto mode = modeForReplacing(path);
    if (!mode) {
        throw Failure::cannotCreate(spelledName);
    }
    std::uint64_t hash = 0;
    auto copy =
        std::make_unique<PendingFile>(writtenCopy(folderOf(path), make, *mode, spelledName, hash));
    return {path, std::string(spelledName), std::move(copy), hash};
}

SavedFile StagedReplacement::place() {
    if (::rename(copy_->name().c_str(), path_.c_str()) != 0) {
        throw Failure::cannotCreate(spelledName_);
    }
    copy_->placed();
    syncFolder(folderOf(path_));
    SavedFile saved;
    saved.hash = hash_;
    // The file as it now stands under its name: a rename may change its
    // change time, and whatever reaches it from now on changes its stamp.
    saved.seenAt = wallClock();
    struct stat info {};
    if (::fstat(copy_->fd(), &info) == 0) {
        saved.stamp = stampOf(info);
    }
    return saved;
}

void createFile(const fs::path& path, const ContentMaker& make, std::string_view spelledName) {
    std::uint64_t hash = 0;
    PendingFile copy = writtenCopy(folderOf(path), make, newFileMode(), spelledName, hash);
    if (::link(copy.name().c_str(), path.c_str()) != 0 && errno != EEXIST) {
        throw Failure::cannotCreate(spelledName);
    }
    syncFolder(folderOf(path));
} // the copy's own name goes with it

} // namespace orlevan
