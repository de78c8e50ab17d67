#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// Rich-text files found cut short (a failed copy, another program's crash):
// the load reads them as far as they go without failing, the user is told
// once per file, and before the program first saves over one, the damaged
// original is kept beside it as "<name>.damaged-YYYY-MM-DD-HHMMSS" (the
// moment it was found), so that nothing the user could still recover is lost.
class DamagedFiles {
public:
    // What a load found in `path`, spelled `name` by the program. A file found
    // whole again (mended by hand, or saved by another copy) needs no keeping.
    void loaded(const std::filesystem::path& path, std::string_view name, bool whole);

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
    };
    const Damaged* find(const std::filesystem::path& path) const;

    std::vector<Damaged> damaged_;
    std::vector<std::string> notices_;
};

} // namespace orlevan
