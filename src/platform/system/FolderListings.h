#pragma once

#include "platform/system/StampedCache.h"

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
    using Entries = std::vector<Entry>;

    // The entries of `folder`, or nullptr when it cannot be listed. Valid
    // until the next call.
    const Entries* of(const std::filesystem::path& folder);

private:
    // The few folders of a working folder: itself, Base\ and a partner's.
    StampedCache<Entries, 4> listings_;
};

} // namespace orlevan
