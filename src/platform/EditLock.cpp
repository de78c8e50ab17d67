#include "EditLock.h"

#include "Folder.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace orlevan {

EditLock::EditLock(const Folder& folder, std::string_view name) {
    const auto cut = name.find_last_of("\\/");
    const auto holder = cut == std::string_view::npos ? std::optional(folder.root())
                                                      : folder.find(name.substr(0, cut + 1));
    if (!holder) {
        return;
    }
    fd_ = ::open(holder->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

EditLock::~EditLock() {
    if (fd_ >= 0) {
        ::close(fd_); // closing the descriptor releases the lock
    }
}

} // namespace orlevan
