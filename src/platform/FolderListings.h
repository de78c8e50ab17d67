#pragma once

#include "FileStamp.h"

#include <filesystem>
#include <string>
#include <vector>

namespace orlevan {

// The entries of the folders that names are looked up in, so that a name is
// matched without listing its folder at every use. A listing is kept with
// the folder's stamp: an entry made, removed or renamed changes the folder's
// write and change times, and a listing is served only while the stamp is
// the same and, as for files (KnownFiles.h), has settled; until then the
// folder is listed again.
class FolderListings {
public:
    struct Entry {
        std::string name; // as stored: UTF-8
        bool mayBeLink = true;
    };

    // The entries of `folder`, or nullptr when it cannot be listed. Valid
    // until the next call.
    const std::vector<Entry>* of(const std::filesystem::path& folder);

private:
    struct Listing {
        std::filesystem::path folder;
        FileStamp stamp;
        timespec seenAt{};
        std::vector<Entry> entries;
        unsigned lastUse = 0;
    };

    // The few folders of a working folder: itself, Base\ and a partner's.
    static constexpr std::size_t kListings = 4;
    std::vector<Listing> listings_;
    unsigned uses_ = 0;
};

} // namespace orlevan
