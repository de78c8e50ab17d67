#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// The working folder, and files named in it the way the program spells them:
// "Base\Words.dat" is Base/Words.dat under the root, each component found
// without regard to case, so "Base\Words.Dat" is the same file. Names are
// Windows-1251 text; '\' and '/' both separate components. A name that starts
// with a drive letter ("D:\Txt.Dat") names a drive Linux does not have, so
// it can be neither read nor written; an absolute POSIX path is used as it is.
//
// Every failure is the Failure the user sees, carrying the name as spelled.
class ParseMemo;

class Folder {
public:
    explicit Folder(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // The file or folder that `name` refers to, if it exists.
    std::optional<std::filesystem::path> find(std::string_view name) const;

    // The whole content of a file. Throws "Cannot open file <name>".
    std::string read(std::string_view name) const;
    // The same into `bytes`, reusing its memory; returns the file's path.
    std::filesystem::path read(std::string_view name, std::string& bytes) const;

    // Replaces the file's content, or creates it, crash-safely: the bytes go to
    // a temporary file beside the target which is then renamed over it, so no
    // reader ever sees half a file and a failed save leaves the old one. An
    // existing file keeps its stored name and permissions; a new one is named
    // as spelled. Throws "Cannot create file <name>" when the file cannot be
    // made, "Failed to Save Stream" when writing it fails.
    // Returns the path written.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;

    // What was read from this folder's rich-text files, shared by the copies
    // of this Folder.
    ParseMemo& memo() const { return *memo_; }

    // A name cut at its separators.
    struct SpelledName {
        bool absolute = false;
        std::vector<std::string> components; // Windows-1251
    };

private:
    std::optional<std::filesystem::path> walk(const SpelledName& spelled,
                                              std::size_t components) const;
    // Where `name` would be written: the existing file, or a new one in an existing folder.
    std::optional<std::filesystem::path> target(std::string_view name) const;

    std::filesystem::path root_;
    std::shared_ptr<ParseMemo> memo_;
};

} // namespace orlevan
