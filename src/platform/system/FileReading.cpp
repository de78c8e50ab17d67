#include "platform/system/FileReading.h"

#include "platform/system/OpenFile.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>
#include <vector>

namespace orlevan {

FileReading::FileReading(const OpenFile& file)
    : file_(file), size_(static_cast<std::uint64_t>(std::max<off_t>(file.stamp.size, 0))) {}

std::size_t FileReading::get(char* into, std::size_t room) {
    if (failed_ || offset_ >= size_) {
        return 0;
    }
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(room, size_ - offset_));
    ssize_t got = 0;
    do {
        got = ::pread(file_.fd.get(), into, wanted, static_cast<off_t>(offset_));
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
        failed_ = true; // an error, or the file was cut while being read
        return 0;
    }
    const auto size = static_cast<std::size_t>(got);
    hash_.add(std::string_view(into, size));
    offset_ += size;
    return size;
}

void FileReading::readRest() {
    std::vector<char> piece(256 * 1024);
    while (get(piece.data(), piece.size()) > 0) {
    }
}

bool FileReading::readAll(std::string& bytes) {
    bytes.resize(static_cast<std::size_t>(size_ - std::min(offset_, size_)));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const std::size_t got = get(bytes.data() + filled, bytes.size() - filled);
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return complete();
}

} // namespace orlevan
