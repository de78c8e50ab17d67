#pragma once

#include "platform/format/FileDamage.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// Files that a load read although they were not what they should be
// (FileDamage.h): the user is told once per file, and before the program
// first saves over one, its original is kept beside it as
// "<name>.damaged-YYYY-MM-DD-HHMMSS" ("<name>.utf-8-…" for a file saved as
// UTF-8; the moment it was found), so that nothing the user could still
// recover is lost.
class DamagedFiles {
public:
    // What a load found in `path`, spelled `name` by the program. A file found
    // whole again (mended by hand, or saved by another copy) needs no keeping.
    void loaded(const std::filesystem::path& path, std::string_view name, FileDamage damage);

    // What the last load of `path` found, while its original is not kept yet.
    FileDamage damageOf(const std::filesystem::path& path) const;

    // Where the original of `path` must be kept before it is saved over,
    // or an empty path.
    std::filesystem::path keepBeforeSaving(const std::filesystem::path& path) const;
    // The original of `path` has been kept, or a load found it whole.
    void settled(const std::filesystem::path& path);

    // The notices not shown yet, oldest first; each is shown once.
    std::vector<std::string> takeNotices();

private:
    struct Damaged {
        std::filesystem::path path;
        std::filesystem::path keepAs;
        FileDamage damage;
    };
    const Damaged* find(const std::filesystem::path& path) const;

    std::vector<Damaged> damaged_;
    std::vector<std::string> notices_;
};

} // namespace orlevan
