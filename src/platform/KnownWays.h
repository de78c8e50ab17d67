#pragma once

#include "ChangeWatch.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// Where a name led, and the count of the watch's notes (ChangeWatch.h) since
// which the way there is known unchanged.
struct Located {
    std::filesystem::path path;
    std::uint64_t wayKnownSince = ChangeWatch::kWayUnknown;
};

// What a working folder's watch tells of the ways to its files: the way to
// the root, and the names last located with the looks at the folders on
// their way. A kept name leads to the same path while the way to the root is
// known since before the first of its looks and all of them are quiet, as
// of the watch's last catch-up.
class KnownWays {
public:
    KnownWays(std::filesystem::path root, std::shared_ptr<ChangeWatch> watch);

    // Since when the way to the root is known: the folders above it are each
    // looked at for their own move or removal. Unknown when one of them is a
    // link, which may be pointed elsewhere unseen, or cannot be watched.
    std::uint64_t toRoot();

    // Where `name` still leads, if it was kept.
    const Located* find(std::string_view name);
    // Keeps where `name` led, `looks` being those at the folders on its way
    // from the root's.
    void remember(std::string_view name, const Located& located,
                  std::vector<ChangeWatch::Look> looks);

private:
    struct Name {
        std::string name;
        Located located;
        std::vector<ChangeWatch::Look> looks;
    };
    bool quiet(const std::vector<ChangeWatch::Look>& looks) const;

    std::filesystem::path root_;
    std::shared_ptr<ChangeWatch> watch_;
    std::vector<ChangeWatch::Look> aboveRoot_;
    bool aboveRootWatched_ = false;
    // Enough for the files of a turn and of the remarks around it.
    static constexpr std::size_t kNames = 8;
    std::vector<Name> names_;
    std::size_t next_ = 0; // the one to give up for a new name
};

} // namespace orlevan
