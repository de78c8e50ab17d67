#pragma once

#include "ChangeWatch.h"
#include "FileStamp.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace orlevan {

// The entries of the folders that names are looked up in, so that a name is
// matched without listing its folder at every use. A listing is kept with
// the folder's stamp: an entry made, removed or renamed changes the folder's
// write and change times, and a listing is served only while the stamp is
// the same and, as for files (KnownFiles.h), has settled; until then the
// folder is listed again. Where the folder is watched (ChangeWatch.h), a
// listing is served without asking while its look is quiet along a way
// known since before it, as of the watch's last catch-up.
class FolderListings {
public:
    explicit FolderListings(std::shared_ptr<ChangeWatch> watch) : watch_(std::move(watch)) {}

    struct Entry {
        std::string name; // as stored: UTF-8
        bool mayBeLink = true;
    };

    struct Listed {
        std::vector<Entry> entries;
        // Quiet while the entries are still those of the folder; a look
        // without a watch where the folder is not watched.
        ChangeWatch::Look look;
    };

    // The entries of `folder`, reached by a way known since
    // `wayKnownSince`, or nullptr when it cannot be listed. Valid until the
    // next call.
    const Listed* of(const std::filesystem::path& folder, std::uint64_t wayKnownSince);

private:
    struct Listing {
        std::filesystem::path folder;
        FileStamp stamp;
        timespec seenAt{};
        Listed listed;
        unsigned lastUse = 0;
    };

    // The few folders of a working folder: itself, Base\ and a partner's.
    static constexpr std::size_t kListings = 4;
    std::shared_ptr<ChangeWatch> watch_;
    std::vector<Listing> listings_;
    unsigned uses_ = 0;
};

} // namespace orlevan
