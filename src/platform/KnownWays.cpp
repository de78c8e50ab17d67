#include "KnownWays.h"

#include <algorithm>

namespace orlevan {
namespace fs = std::filesystem;
namespace {

// The folders a root lies in, outermost first: "/", "/home" and
// "/home/ann" for "/home/ann/Orlevan".
std::vector<fs::path> foldersAbove(const fs::path& root) {
    std::vector<fs::path> parts(root.begin(), root.end());
    while (!parts.empty() && parts.back().empty()) {
        parts.pop_back(); // a trailing separator
    }
    std::vector<fs::path> above;
    fs::path folder;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        folder /= parts[i];
        above.push_back(folder);
    }
    return above;
}

} // namespace

KnownWays::KnownWays(fs::path root, std::shared_ptr<ChangeWatch> watch)
    : root_(std::move(root)), watch_(std::move(watch)) {}

bool KnownWays::quiet(const std::vector<ChangeWatch::Look>& looks) const {
    return std::all_of(looks.begin(), looks.end(),
                       [&](const ChangeWatch::Look& look) { return watch_->quietSince(look); });
}

std::uint64_t KnownWays::toRoot() {
    if (!aboveRootWatched_ || !quiet(aboveRoot_)) {
        aboveRoot_.clear();
        aboveRootWatched_ = false;
        for (const fs::path& folder : foldersAbove(root_)) {
            std::error_code error;
            if (folder.filename() == ".." || fs::is_symlink(folder, error) || error) {
                return ChangeWatch::kWayUnknown;
            }
            aboveRoot_.push_back(watch_->look(folder, ChangeWatch::What::Ancestor));
            if (aboveRoot_.back().watch < 0) {
                return ChangeWatch::kWayUnknown;
            }
        }
        aboveRootWatched_ = true;
    }
    std::uint64_t way = 0;
    for (const ChangeWatch::Look& look : aboveRoot_) {
        way = std::max(way, look.notesRead);
    }
    return way;
}

const Located* KnownWays::find(std::string_view name) {
    const auto kept =
        std::find_if(names_.begin(), names_.end(), [&](const Name& n) { return n.name == name; });
    if (kept == names_.end() || !watch_->quietAlong(kept->looks.front(), toRoot()) ||
        !quiet(kept->looks)) {
        return nullptr;
    }
    return &kept->located;
}

void KnownWays::remember(std::string_view name, const Located& located,
                         std::vector<ChangeWatch::Look> looks) {
    if (looks.empty()) {
        return;
    }
    Name kept{std::string(name), located, std::move(looks)};
    const auto same =
        std::find_if(names_.begin(), names_.end(), [&](const Name& n) { return n.name == name; });
    if (same != names_.end()) {
        *same = std::move(kept);
    } else if (names_.size() < kNames) {
        names_.push_back(std::move(kept));
    } else {
        names_[next_] = std::move(kept);
        next_ = (next_ + 1) % kNames;
    }
}

} // namespace orlevan
