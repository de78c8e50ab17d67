#include "platform/system/EditLock.h"

#include "platform/system/Failure.h"
#include "platform/system/Folder.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace orlevan {
namespace {

FileDescriptor lockFolder(const std::filesystem::path& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd) {
        return fd;
    }
    while (::flock(fd.get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            return FileDescriptor();
        }
    }
    return fd;
}

// An open-file-description lock, released like flock when the descriptor
// closes or the process dies.
FileDescriptor lockFileIn(const std::filesystem::path& folder) {
    const auto path = folder / ".orlevan.lock";
    FileDescriptor fd(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fd) {
        return fd;
    }
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    while (::fcntl(fd.get(), F_OFD_SETLKW, &whole) != 0) {
        if (errno != EINTR) {
            return FileDescriptor();
        }
    }
    return fd;
}

} // namespace

EditLock::EditLock(const Folder& folder, std::string_view name) {
    const auto cut = name.find_last_of("\\/");
    const auto holder = cut == std::string_view::npos ? std::optional(folder.root())
                                                      : folder.find(name.substr(0, cut + 1));
    if (!holder) {
        return;
    }
    fd_ = lockFolder(*holder);
    if (!fd_) {
        fd_ = lockFileIn(*holder);
    }
    if (!fd_) {
        throw Failure::cannotCreate(name);
    }
}

} // namespace orlevan
