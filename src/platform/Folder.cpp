#include "Folder.h"

#include "AtomicFile.h"
#include "Casing.h"
#include "Cp1251.h"
#include "Failure.h"
#include "ParseMemo.h"

#include <cctype>
#include <fstream>
#include <vector>

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

// The entry of `folder` whose name equals `component` ignoring case. An exact
// match wins; among several spellings that differ only in case, the first in
// byte order, so the choice does not depend on the order of the directory.
std::optional<fs::path> matchEntry(const fs::path& folder, const std::string& component) {
    const fs::path exact = folder / cp1251::toUtf8(component);
    if (component == "." || component == ".." || isPresent(exact)) {
        return exact;
    }
    const std::string wanted = casing::upper(component);
    std::optional<fs::path> best;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const auto stored = cp1251::fromUtf8Exactly(it->path().filename().string());
        if (stored && casing::upper(*stored) == wanted &&
            (!best || it->path().filename() < best->filename())) {
            best = it->path();
        }
    }
    return best;
}

} // namespace

Folder::Folder(fs::path root) : root_(std::move(root)), memo_(std::make_shared<ParseMemo>()) {}

// Where the components lead from the root (or from '/'), each matched
// without regard to case; nothing when one of them is missing.
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
    return matchEntry(*folder, last).value_or(*folder / cp1251::toUtf8(last));
}

std::string Folder::read(std::string_view name) const {
    std::string bytes;
    read(name, bytes);
    return bytes;
}

fs::path Folder::read(std::string_view name, std::string& bytes) const {
    const auto path = find(name);
    std::error_code error;
    if (!path || fs::is_directory(*path, error)) {
        throw Failure::cannotOpen(name);
    }
    std::ifstream in(*path, std::ios::binary);
    if (!in) {
        throw Failure::cannotOpen(name);
    }
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0) {
        throw Failure::cannotOpen(name);
    }
    bytes.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(bytes.data(), size);
    if (in.gcount() != size) {
        throw Failure::cannotOpen(name);
    }
    return *path;
}

fs::path Folder::write(std::string_view name, std::string_view bytes) const {
    auto path = target(name);
    std::error_code error;
    if (!path || fs::is_directory(*path, error)) {
        throw Failure::cannotCreate(name);
    }
    if (fs::is_symlink(*path, error)) {
        // Replace the file the link points to, not the link the user made.
        path = fs::weakly_canonical(*path, error);
        if (error) {
            throw Failure::cannotCreate(name);
        }
    }
    replaceFile(*path, bytes, name);
    return *path;
}

} // namespace orlevan
