#include "Folder.h"

#include "AtomicFile.h"
#include "Casing.h"
#include "ChangeWatch.h"
#include "Cp1251.h"
#include "DamagedFiles.h"
#include "Failure.h"
#include "FileDescriptor.h"
#include "FileReading.h"
#include "FolderListings.h"
#include "KnownFiles.h"
#include "KnownWays.h"
#include "OpenFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace orlevan {
namespace fs = std::filesystem;
namespace {

bool hasDriveLetter(std::string_view name) {
    return name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) != 0 &&
           name[1] == ':';
}

Folder::SpelledName split(std::string_view name) {
    Folder::SpelledName spelled;
    spelled.absolute = !name.empty() && (name.front() == '/' || name.front() == '\\');
    std::string current;
    for (const char c : name) {
        if (c == '/' || c == '\\') {
            if (!current.empty()) {
                spelled.components.push_back(std::move(current));
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        spelled.components.push_back(std::move(current));
    }
    return spelled;
}

bool isPresent(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found && !error;
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Whether a stored (UTF-8) name equals the spelled one ignoring case. Most
// names are ASCII, which Windows-1251 upper-cases as ASCII does, so they are
// compared without converting them.
bool sameName(const std::string& stored, const std::string& spelled, const std::string& wanted) {
    if (isAscii(stored)) {
        return std::equal(stored.begin(), stored.end(), spelled.begin(), spelled.end(),
                          [](char a, char b) { return casing::upper(a) == casing::upper(b); });
    }
    const auto bytes = cp1251::fromUtf8Exactly(stored);
    return stored == spelled || (bytes && casing::upper(*bytes) == wanted);
}

// A link is read and written through: the path of the file it names, which
// may not exist yet. Nothing for a link that leads nowhere (a loop).
std::optional<fs::path> followLink(const fs::path& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) {
        return path;
    }
    auto followed = fs::weakly_canonical(path, error);
    return error ? std::nullopt : std::optional(std::move(followed));
}

} // namespace

// The entry of `folder` that `component` names, by the rule of Folder.h.
// `way` comes in known since what for `folder` and goes out for the entry.
std::optional<Folder::Found>
Folder::matchEntry(const fs::path& folder, const std::string& component, std::uint64_t& way) const {
    const std::string spelled = cp1251::toUtf8(component);
    if (component == "." || component == "..") {
        way = ChangeWatch::kWayUnknown;
        return Found{folder / spelled, false, {}};
    }
    const auto* listed = listings_->of(folder, way);
    if (listed == nullptr) {
        way = ChangeWatch::kWayUnknown;
        const fs::path exact = folder / spelled;
        return isPresent(exact) ? std::optional(Found{exact, true, {}}) : std::nullopt;
    }
    way = ChangeWatch::wayPast(listed->look, way);
    const std::string wanted = casing::upper(component);
    const FolderListings::Entry* first = nullptr;
    for (const auto& entry : listed->entries) {
        if (sameName(entry.name, spelled, wanted) && (!first || entry.name < first->name)) {
            first = &entry;
        }
    }
    return first ? std::optional(Found{folder / first->name, first->mayBeLink, listed->look})
                 : std::nullopt;
}

Folder::Folder(fs::path root)
    : root_(std::move(root)), watch_(std::make_shared<ChangeWatch>()),
      known_(std::make_shared<KnownFiles>(watch_)),
      listings_(std::make_shared<FolderListings>(watch_)),
      ways_(std::make_shared<KnownWays>(root_, watch_)),
      damaged_(std::make_shared<DamagedFiles>()) {}

// Where the components lead from the root (or from '/'); nothing when one
// of them is missing. `way` goes out known since what for the place reached,
// and the looks at the folders passed through go to `looks`.
std::optional<fs::path> Folder::walk(const SpelledName& spelled, std::size_t components,
                                     std::uint64_t& way,
                                     std::vector<ChangeWatch::Look>* looks) const {
    watch_->catchUp();
    fs::path found = spelled.absolute ? fs::path("/") : root_;
    way = spelled.absolute ? 0 : ways_->toRoot();
    for (std::size_t i = 0; i < components; ++i) {
        auto next = matchEntry(found, spelled.components[i], way);
        if (!next) {
            return std::nullopt;
        }
        if (looks != nullptr) {
            looks->push_back(next->folderLook);
        }
        found = std::move(next->path);
    }
    return found;
}

std::optional<fs::path> Folder::find(std::string_view name) const {
    if (hasDriveLetter(name)) {
        return std::nullopt;
    }
    const SpelledName spelled = split(name);
    std::uint64_t way = 0;
    return walk(spelled, spelled.components.size(), way);
}

std::optional<fs::path> Folder::target(std::string_view name) const {
    const SpelledName spelled = split(name);
    if (hasDriveLetter(name) || spelled.components.empty()) {
        return std::nullopt;
    }
    std::uint64_t way = 0;
    const auto folder = walk(spelled, spelled.components.size() - 1, way);
    if (!folder) {
        return std::nullopt;
    }
    const std::string& last = spelled.components.back();
    const auto found = matchEntry(*folder, last, way);
    return found ? followLink(found->path) : followLink(*folder / cp1251::toUtf8(last));
}

std::string Folder::read(std::string_view name) const {
    std::string bytes;
    read(name, bytes);
    return bytes;
}

Located Folder::locate(std::string_view name) const {
    watch_->catchUp();
    if (const Located* kept = ways_->find(name)) {
        return *kept;
    }
    const SpelledName spelled = split(name);
    if (hasDriveLetter(name) || spelled.components.empty()) {
        throw Failure::cannotOpen(name);
    }
    std::uint64_t way = 0;
    std::vector<ChangeWatch::Look> looks;
    const auto folder = walk(spelled, spelled.components.size() - 1, way, &looks);
    const auto found = folder ? matchEntry(*folder, spelled.components.back(), way) : std::nullopt;
    const auto path = !found             ? std::nullopt
                      : found->mayBeLink ? followLink(found->path)
                                         : std::optional(found->path);
    if (!path) {
        throw Failure::cannotOpen(name);
    }
    // A link may be pointed elsewhere unseen: the way past it is unknown.
    const Located located{*path, found->mayBeLink ? ChangeWatch::kWayUnknown : way};
    if (located.wayKnownSince != ChangeWatch::kWayUnknown) {
        looks.push_back(found->folderLook);
        ways_->remember(name, located, std::move(looks));
    }
    return located;
}

fs::path Folder::located(std::string_view name) const {
    return locate(name).path;
}

fs::path Folder::regularFile(std::string_view name) const {
    const fs::path path = located(name);
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        throw Failure::cannotOpen(name);
    }
    return path;
}

OpenFile Folder::open(std::string_view name) const {
    return open(located(name), name);
}

OpenFile Folder::open(const fs::path& path, std::string_view name) const {
    auto file = OpenFile::open(path);
    if (!file) {
        throw Failure::cannotOpen(name);
    }
    return std::move(*file);
}

fs::path Folder::read(std::string_view name, std::string& bytes) const {
    const OpenFile file = open(name);
    if (!file.readAll(bytes)) {
        throw Failure::cannotOpen(name);
    }
    return file.path;
}

fs::path Folder::write(std::string_view name, std::string_view bytes) const {
    return write(name, [bytes](ByteSink& sink) { sink.put(bytes); }).path;
}

Folder::Written Folder::write(std::string_view name, const ContentMaker& make) const {
    const auto path = target(name);
    if (!path) {
        throw Failure::cannotCreate(name);
    }
    keepDamagedOriginal(*path, name);
    return {*path, replaceFile(*path, make, name)};
}

void Folder::keepDamagedOriginal(const fs::path& path, std::string_view name) const {
    const fs::path keepAs = damaged_->keepBeforeSaving(path);
    if (keepAs.empty()) {
        return;
    }
    // Copied a piece at a time, as a damaged base may be large. An original
    // that cannot be read whole is not kept, and nothing is left of its copy.
    struct Unreadable {};
    if (const auto file = OpenFile::open(path)) {
        try {
            createFile(
                keepAs,
                [&file](ByteSink& sink) {
                    FileReading reading(*file);
                    std::vector<char> piece(256 * 1024);
                    while (const std::size_t got = reading.get(piece.data(), piece.size())) {
                        sink.put(std::string_view(piece.data(), got));
                    }
                    if (!reading.complete()) {
                        throw Unreadable{};
                    }
                },
                name);
        } catch (const Unreadable&) {
        }
    }
    damaged_->settled(path);
}

} // namespace orlevan
