#include "platform/system/FolderListings.h"

namespace orlevan {
namespace fs = std::filesystem;
namespace {

bool list(const fs::path& folder, FolderListings::Entries& entries) {
    entries.clear();
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        const bool link = it->is_symlink(typeError) || typeError;
        entries.push_back({it->path().filename().string(), link});
    }
    return !error;
}

} // namespace

const FolderListings::Entries* FolderListings::of(const fs::path& folder) {
    const timespec seenAt = wallClock();
    const auto stamp = stampOf(folder);
    if (!stamp) {
        return nullptr;
    }
    auto* known = listings_.find(folder);
    if (known != nullptr && known->stamp == *stamp && stampSettled(*stamp, known->seenAt)) {
        return &known->value;
    }
    Entries entries;
    if (!list(folder, entries)) {
        listings_.forget(folder);
        return nullptr;
    }
    // A folder that changed while it was listed is listed again at its next use.
    const auto after = stampOf(folder);
    const bool held = after && *after == *stamp;
    return &listings_.remember({folder, held ? *stamp : FileStamp{}, seenAt, std::move(entries)})
                .value;
}

} // namespace orlevan
