#pragma once

#include "platform/system/ByteSink.h"
#include "platform/system/FileStamp.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// Crash-safe writes. The new content goes to a hidden file
// ".orlevan-save-XXXXXX" in the target's folder, is flushed to disk, and only
// then is put in place, so a reader sees the old content or the new, never a
// mix. The copy is locked while its save lives, and the next save in that
// folder removes any copy whose save was killed.
//
// `spelledName` is the name for the messages: "Cannot create file %s" when
// the file may not be written or cannot be made or put in place,
// "Failed to Save Stream (%s: reason)" when writing fails. A failure leaves
// the target as it was and nothing beside it.

// A file just saved: its stamp once in place, the moment before that stamp
// was taken, and the digest of what was written (ContentHash).
struct SavedFile {
    FileStamp stamp;
    timespec seenAt{};
    std::uint64_t hash = 0;
};

class PendingFile;

// A replacement of the regular file `path`, or its creation, whose content
// is on disk beside its target but not yet in place. An existing file keeps
// its permissions. Anything else at `path` (a device, a FIFO, a folder, a
// socket, a link) and a file without write permission are left as they are.
// Several files that must change together are all staged first, and put in
// place only once every one of them was written: a full disk fails a
// staging, which leaves every target as it was. A replacement dropped
// unplaced leaves nothing behind.
class StagedReplacement {
public:
    StagedReplacement(std::filesystem::path path, std::string spelledName,
                      std::unique_ptr<PendingFile> copy, std::uint64_t hash);
    StagedReplacement(StagedReplacement&&) noexcept;
    StagedReplacement& operator=(StagedReplacement&&) noexcept;
    ~StagedReplacement();

    const std::filesystem::path& path() const { return path_; }
    // Puts the content in place. Throws "Cannot create file <name>".
    SavedFile place();

private:
    std::filesystem::path path_;
    std::string spelledName_;
    std::unique_ptr<PendingFile> copy_;
    std::uint64_t hash_ = 0;
};

StagedReplacement stageReplacement(const std::filesystem::path& path, const ContentMaker& make,
                                   std::string_view spelledName);

// The hidden copies in `folder` that saves killed before they were put in
// place left behind (nobody holds them locked); every save removes them, and
// so should a program starting on a folder.
std::vector<std::filesystem::path> abandonedCopies(const std::filesystem::path& folder);
void removeAbandonedCopies(const std::filesystem::path& folder);

// Creates `path` with the content `make` makes; a file that already has that
// name is left as it is.
void createFile(const std::filesystem::path& path, const ContentMaker& make,
                std::string_view spelledName);

} // namespace orlevan
