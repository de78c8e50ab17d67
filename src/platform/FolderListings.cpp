#include "FolderListings.h"

#include <algorithm>
#include <sys/stat.h>

namespace orlevan {
namespace fs = std::filesystem;
namespace {

bool stampOfPath(const fs::path& path, FileStamp& stamp) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return false;
    }
    stamp = stampOf(info);
    return true;
}

bool list(const fs::path& folder, std::vector<FolderListings::Entry>& entries) {
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

const FolderListings::Listed* FolderListings::of(const fs::path& folder,
                                                 std::uint64_t wayKnownSince) {
    auto known = std::find_if(listings_.begin(), listings_.end(), [&](const Listing& l) {
        return l.folder.native() == folder.native();
    });
    if (known != listings_.end() && watch_->quietAlong(known->listed.look, wayKnownSince)) {
        known->lastUse = ++uses_;
        return &known->listed;
    }
    const ChangeWatch::Look look = watch_->look(folder, ChangeWatch::What::Folder);
    const timespec seenAt = wallClock();
    FileStamp stamp;
    if (!stampOfPath(folder, stamp)) {
        return nullptr;
    }
    if (known != listings_.end() && known->stamp == stamp && stampSettled(stamp, known->seenAt)) {
        known->lastUse = ++uses_;
        known->listed.look = look;
        return &known->listed;
    }
    if (known == listings_.end() && listings_.size() < kListings) {
        known = listings_.emplace(listings_.end());
    } else if (known == listings_.end()) {
        known = std::min_element(
            listings_.begin(), listings_.end(),
            [](const Listing& a, const Listing& b) { return a.lastUse < b.lastUse; });
    }
    Listing& listing = *known;
    listing.folder = folder;
    listing.lastUse = ++uses_;
    FileStamp after;
    if (!list(folder, listing.listed.entries)) {
        listing.folder.clear();
        return nullptr;
    }
    // A folder that changed while it was listed is listed again at its next use.
    const bool held = stampOfPath(folder, after) && after == stamp;
    listing.stamp = held ? stamp : FileStamp{};
    listing.seenAt = seenAt;
    listing.listed.look = held ? look : ChangeWatch::Look{};
    return &listing.listed;
}

} // namespace orlevan
