#pragma once

#include "platform/kb/LineContent.h"
#include "platform/system/AtomicFile.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

class DamagedFiles;
class FolderListings;
class KnownFiles;
struct OpenFile;

// The working folder, and files named in it the way the program spells them:
// "Base\Words.dat" is Base/Words.dat under the root. Names are Windows-1251
// text; '\' and '/' both separate components. A name that starts with a
// drive letter ("D:\Txt.Dat") names a drive Linux does not have, so it can
// be neither read nor written; an absolute POSIX path is walked from '/'.
//
// Each component is matched without regard to case, by one rule that reading
// and writing share: of the entries whose names equal the component ignoring
// case, the first in byte order, whatever the spelling asked for. So when
// "Words.dat" and "Words.Dat" lie side by side, every spelling reaches
// "Words.Dat", and what learning writes is what the next turn reads. A
// folder that cannot be listed yields only the exact spelling; a name that
// matches nothing is created as spelled.
//
// Only regular files are read or written: a device, a FIFO, a folder or a
// socket under a knowledge-base name fails at once and is left as it is. A
// link is followed to the file it names, which a save then replaces.
//
// Every failure is the Failure the user sees, carrying the name as spelled.
class Folder {
public:
    explicit Folder(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // The file or folder that `name` refers to, if it exists.
    std::optional<std::filesystem::path> find(std::string_view name) const;

    // The regular file that `name` refers to, links followed. Throws
    // "Cannot open file <name>" when there is none.
    std::filesystem::path regularFile(std::string_view name) const;

    // What `name` refers to, links followed, whatever it is. Throws
    // "Cannot open file <name>" when there is nothing.
    std::filesystem::path located(std::string_view name) const;

    // The regular file that `name` refers to, open for reading. Throws
    // "Cannot open file <name>".
    OpenFile open(std::string_view name) const;
    // The same for a path `located` gave.
    OpenFile open(const std::filesystem::path& path, std::string_view name) const;

    // The whole content of a file. Throws "Cannot open file <name>".
    std::string read(std::string_view name) const;
    // The same into `bytes`, reusing its memory; returns the file's path,
    // links followed, which a write of the same name returns too.
    std::filesystem::path read(std::string_view name, std::string& bytes) const;

    // Replaces the file's content, or creates it, crash-safely (AtomicFile.h).
    // An existing file keeps its stored name and permissions; a new one is
    // named as spelled. A file found damaged is first kept (DamagedFiles.h).
    // Throws "Cannot create file <name>" when the file may not be written or
    // cannot be made, "Failed to Save Stream (...)" when writing it fails.
    // Returns the path written.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;
    // The same with the content made piece by piece (ByteSink.h).
    struct Written {
        std::filesystem::path path;
        SavedFile saved;
    };
    Written write(std::string_view name, const ContentMaker& make) const;
    // The same, written beside the file but not yet put in place
    // (AtomicFile.h), for saves that must all succeed or all fail.
    StagedReplacement stage(std::string_view name, const ContentMaker& make) const;

    // The hidden copies that killed saves left in the working folder or in a
    // folder directly inside it (Base\, ...), which nobody holds locked.
    std::vector<std::filesystem::path> abandonedSaves() const;
    // Removes them: a program starting on the folder does, as every save does
    // in the folder it writes.
    void removeAbandonedSaves() const;

    // The lines of a file in either storage form (PhraseList.h): those kept
    // in memory while the file provably still holds them (KnownFiles.h),
    // else read afresh. What the read found wrong with the file goes to
    // damaged(). Throws "Cannot open file <name>", or "Failed to Load
    // Stream" for bytes that open no document.
    struct Lines {
        std::shared_ptr<LineContent> content;
        std::filesystem::path path;
    };
    Lines loadLines(std::string_view name) const;

    // Lines written as a rich-text document beside the file, put in place by
    // place() (AtomicFile.h) and then kept as what the file holds.
    class StagedLines {
    public:
        StagedLines(StagedReplacement staged, std::shared_ptr<LineContent> content,
                    std::shared_ptr<KnownFiles> known);
        const std::filesystem::path& path() const { return staged_.path(); }
        void place();

    private:
        StagedReplacement staged_;
        std::shared_ptr<LineContent> content_;
        std::shared_ptr<KnownFiles> known_;
    };
    StagedLines stageLines(std::string_view name, std::shared_ptr<LineContent> content) const;

    // What is known of the files read from this folder and saved into it,
    // and which of them were found damaged; shared by the copies of this Folder.
    const std::shared_ptr<KnownFiles>& known() const { return known_; }
    DamagedFiles& damaged() const { return *damaged_; }

    // A name cut at its separators.
    struct SpelledName {
        bool absolute = false;
        std::vector<std::string> components; // Windows-1251
    };

private:
    struct Found {
        std::filesystem::path path;
        bool mayBeLink = true;
    };
    std::optional<Found> matchEntry(const std::filesystem::path& folder,
                                    const std::string& component) const;
    std::optional<std::filesystem::path> walk(const SpelledName& spelled,
                                              std::size_t components) const;
    // Where `name` would be written: the existing file, or a new one in an
    // existing folder; links followed.
    std::optional<std::filesystem::path> target(std::string_view name) const;
    // Before the first save over a damaged file, its original is kept.
    void keepDamagedOriginal(const std::filesystem::path& path, std::string_view name) const;

    std::filesystem::path root_;
    std::shared_ptr<KnownFiles> known_;
    std::shared_ptr<FolderListings> listings_;
    std::shared_ptr<DamagedFiles> damaged_;
};

} // namespace orlevan
