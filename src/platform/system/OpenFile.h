#pragma once

#include "platform/system/FileDescriptor.h"
#include "platform/system/FileStamp.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orlevan {

// A regular file open for reading, and its stamp as it was opened.
struct OpenFile {
    std::filesystem::path path;
    FileDescriptor fd;
    FileStamp stamp;
    timespec seenAt{}; // the moment just before the stamp was taken

    // Nothing when `path` is no regular file or cannot be opened. A FIFO
    // would wait for a writer and opening a device may act on it, so the
    // file is opened without waiting, in case it was swapped for something
    // else since it was looked at, and given up unless it is regular.
    static std::optional<OpenFile> open(const std::filesystem::path& path);

    // The first bytes of the content as stamped, up to `size`: fewer when
    // the content is shorter or cannot be read. The whole content is read
    // through FileReading.
    std::string head(std::size_t size) const;
    // Whether the stamp is still the one the file was opened with.
    bool stampHeld() const;
};

} // namespace orlevan
