#include "Folder.h"

#include "AtomicFile.h"
#include "Casing.h"
#include "Cp1251.h"
#include "DamagedFiles.h"
#include "Failure.h"
#include "FileDescriptor.h"
#include "KnownFiles.h"
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

// The entry of `folder` that `component` names, by the rule of Folder.h.
std::optional<fs::path> matchEntry(const fs::path& folder, const std::string& component) {
    const std::string spelled = cp1251::toUtf8(component);
    if (component == "." || component == "..") {
        return folder / spelled;
    }
    const std::string wanted = casing::upper(component);
    std::optional<std::string> first;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (sameName(name, spelled, wanted) && (!first || name < *first)) {
            first = std::move(name);
        }
    }
    if (error) {
        const fs::path exact = folder / spelled;
        return isPresent(exact) ? std::optional(exact) : std::nullopt;
    }
    return first ? std::optional(folder / *first) : std::nullopt;
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

Folder::Folder(fs::path root)
    : root_(std::move(root)), known_(std::make_shared<KnownFiles>()),
      damaged_(std::make_shared<DamagedFiles>()) {}

// Where the components lead from the root (or from '/'); nothing when one
// of them is missing.
std::optional<fs::path> Folder::walk(const SpelledName& spelled, std::size_t components) const {
    fs::path found = spelled.absolute ? fs::path("/") : root_;
    for (std::size_t i = 0; i < components; ++i) {
        auto next = matchEntry(found, spelled.components[i]);
        if (!next) {
            return std::nullopt;
        }
        found = std::move(*next);
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
    return followLink(matchEntry(*folder, last).value_or(*folder / cp1251::toUtf8(last)));
}

std::string Folder::read(std::string_view name) const {
    std::string bytes;
    read(name, bytes);
    return bytes;
}

fs::path Folder::regularFile(std::string_view name) const {
    const auto found = find(name);
    const auto path = found ? followLink(*found) : std::nullopt;
    std::error_code error;
    if (!path || !fs::is_regular_file(*path, error)) {
        throw Failure::cannotOpen(name);
    }
    return *path;
}

OpenFile Folder::open(std::string_view name) const {
    auto file = OpenFile::open(regularFile(name));
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
    std::string original;
    const auto file = OpenFile::open(path);
    if (file && file->readAll(original)) {
        createFile(keepAs, original, name);
    }
    damaged_->settled(path);
}

} // namespace orlevan
