#include "platform/system/Folder.h"

#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"
#include "platform/kb/DamagedFiles.h"
#include "platform/kb/KnownFiles.h"
#include "platform/system/AtomicFile.h"
#include "platform/system/Failure.h"
#include "platform/system/FileDescriptor.h"
#include "platform/system/FileReading.h"
#include "platform/system/FolderListings.h"
#include "platform/system/OpenFile.h"

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
std::optional<Folder::Found> Folder::matchEntry(const fs::path& folder,
                                                const std::string& component) const {
    const std::string spelled = cp1251::toUtf8(component);
    if (component == "." || component == "..") {
        return Found{folder / spelled, false};
    }
    const auto* entries = listings_->of(folder);
    if (entries == nullptr) {
        const fs::path exact = folder / spelled;
        return isPresent(exact) ? std::optional(Found{exact, true}) : std::nullopt;
    }
    const std::string wanted = casing::upper(component);
    const FolderListings::Entry* first = nullptr;
    for (const auto& entry : *entries) {
        if (sameName(entry.name, spelled, wanted) && (!first || entry.name < first->name)) {
            first = &entry;
        }
    }
    return first ? std::optional(Found{folder / first->name, first->mayBeLink}) : std::nullopt;
}

Folder::Folder(fs::path root)
    : root_(std::move(root)), known_(std::make_shared<KnownFiles>()),
      listings_(std::make_shared<FolderListings>()), damaged_(std::make_shared<DamagedFiles>()) {}

// Where the components lead from the root (or from '/'); nothing when one
// of them is missing.
std::optional<fs::path> Folder::walk(const SpelledName& spelled, std::size_t components) const {
    fs::path found = spelled.absolute ? fs::path("/") : root_;
    for (std::size_t i = 0; i < components; ++i) {
        auto next = matchEntry(found, spelled.components[i]);
        if (!next) {
            return std::nullopt;
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
    return walk(spelled, spelled.components.size());
}

std::optional<fs::path> Folder::target(std::string_view name) const {
    const SpelledName spelled = split(name);
    if (hasDriveLetter(name) || spelled.components.empty()) {
        return std::nullopt;
    }
    const auto folder = walk(spelled, spelled.components.size() - 1);
    if (!folder) {
        return std::nullopt;
    }
    const std::string& last = spelled.components.back();
    const auto found = matchEntry(*folder, last);
    return found ? followLink(found->path) : followLink(*folder / cp1251::toUtf8(last));
}

std::string Folder::read(std::string_view name) const {
    std::string bytes;
    read(name, bytes);
    return bytes;
}

fs::path Folder::located(std::string_view name) const {
    const SpelledName spelled = split(name);
    if (hasDriveLetter(name) || spelled.components.empty()) {
        throw Failure::cannotOpen(name);
    }
    const auto folder = walk(spelled, spelled.components.size() - 1);
    const auto found = folder ? matchEntry(*folder, spelled.components.back()) : std::nullopt;
    const auto path = !found             ? std::nullopt
                      : found->mayBeLink ? followLink(found->path)
                                         : std::optional(found->path);
    if (!path) {
        throw Failure::cannotOpen(name);
    }
    return *path;
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
    if (!FileReading(file).readAll(bytes)) {
        throw Failure::cannotOpen(name);
    }
    return file.path;
}

fs::path Folder::write(std::string_view name, std::string_view bytes) const {
    return write(name, [bytes](ByteSink& sink) { sink.put(bytes); }).path;
}

Folder::Written Folder::write(std::string_view name, const ContentMaker& make) const {
    StagedReplacement staged = stage(name, make);
    const SavedFile saved = staged.place();
    return {staged.path(), saved};
}

StagedReplacement Folder::stage(std::string_view name, const ContentMaker& make) const {
    const auto path = target(name);
    if (!path) {
        throw Failure::cannotCreate(name);
    }
    keepDamagedOriginal(*path, name);
    return stageReplacement(*path, make, name);
}

namespace {

std::vector<fs::path> saveFolders(const fs::path& root) {
    std::vector<fs::path> folders{root};
    std::error_code error;
    for (fs::directory_iterator it(root, error), end; !error && it != end; it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error)) {
            folders.push_back(it->path());
        }
    }
    return folders;
}

} // namespace

std::vector<fs::path> Folder::abandonedSaves() const {
    std::vector<fs::path> copies;
    for (const fs::path& folder : saveFolders(root_)) {
        const auto found = abandonedCopies(folder);
        copies.insert(copies.end(), found.begin(), found.end());
    }
    return copies;
}

void Folder::removeAbandonedSaves() const {
    for (const fs::path& folder : saveFolders(root_)) {
        removeAbandonedCopies(folder);
    }
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
