#pragma once

#include "ByteSink.h"
#include "FileStamp.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace orlevan {

// Crash-safe writes. The new content goes to an unnamed file in the target's
// folder (or, where the file system cannot make one, a hidden file
// ".orlevan-save-XXXXXX"), is flushed to disk, and only then is put in
// place, so a reader sees the old content or the new, never a mix. A kill
// leaves no unnamed file behind; the hidden name a copy holds for an instant
// before it takes its target's is locked while its save lives, and the next
// save in that folder removes any such copy whose save was killed.
//
// `spelledName` is the name for the messages: "Cannot create file %s" when
// the file may not be written or cannot be made or put in place,
// "Failed to Save Stream (%s: reason)" when writing fails. A failure leaves
// the target as it was and nothing beside it.

// Replaces the regular file `path` or creates it; an existing file keeps its
// permissions. Anything else at `path` (a device, a FIFO, a folder, a
// socket, a link) and a file without write permission are left as they are.
void replaceFile(const std::filesystem::path& path, std::string_view bytes,
                 std::string_view spelledName);

// A file just saved: its stamp once in place, the moment before that stamp
// was taken, and the digest of what was written (ContentHash).
struct SavedFile {
    FileStamp stamp;
    timespec seenAt{};
    std::uint64_t hash = 0;
};

// The same with the content made piece by piece; `make` may be called twice
// when the first way of writing a copy fails.
SavedFile replaceFile(const std::filesystem::path& path, const ContentMaker& make,
                      std::string_view spelledName);

// Creates `path` with the content `make` makes; a file that already has that
// name is left as it is.
void createFile(const std::filesystem::path& path, const ContentMaker& make,
                std::string_view spelledName);

} // namespace orlevan
