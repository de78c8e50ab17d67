#pragma once

#include "platform/kb/LineContent.h"
#include "platform/system/Folder.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

class KnownFiles;
class Random;

// The lines of one knowledge-base file, loaded whole, used or edited line by
// line and saved whole. A file is read as a rich-text document when it is one
// and as plain text otherwise; it is always saved as a rich-text document,
// one paragraph per line. Lines are Windows-1251 text and are kept whole,
// however long.
//
// A load of a file that provably has not changed since it was last read or
// saved (KnownFiles.h) takes the lines already in memory, shared with every
// list that holds them, instead of reading the file again; an edit takes
// them for this list alone first.
class PhraseList {
public:
    PhraseList();
    explicit PhraseList(const std::vector<std::string>& lines);

    // The lines of a file's content in either storage form.
    static PhraseList fromBytes(std::string_view bytes);
    std::string toBytes() const;

    // Replaces the content with the file's lines; on failure the content stays.
    // A document cut short is read as far as it goes and told to the folder's
    // DamagedFiles.
    void load(const Folder& folder, std::string_view name);
    void save(const Folder& folder, std::string_view name);

    // A save written but not yet put in place, for a step that edits several
    // files and must change all of them or none (AtomicFile.h). The list may
    // be loaded with another file meanwhile: the save keeps these lines.
    using PendingSave = Folder::StagedLines;
    PendingSave stage(const Folder& folder, std::string_view name) const;

    int count() const { return static_cast<int>(content_->lines.size()); }
    // The empty text for an index past either end.
    std::string_view line(int index) const;
    void append(std::string_view text);
    // Both throw "List index out of bounds (i)" for an index that holds no line.
    void remove(int index);
    void replace(int index, std::string_view text);
    void clear();
    // line(r) for r uniform in 0 .. count-1; the empty text when there is no line.
    std::string_view randomLine(Random& random) const;

    std::vector<std::string> lines() const { return content_->lines.toStrings(); }
    const LineBuffer& buffer() const { return content_->lines; }

    // The index of kind `Index` (a LineIndex made from a LineBuffer) of these
    // lines, made at its first use and kept with them for as long as they
    // are known, edits included.
    template <typename Index> const Index& indexed() const {
        if (const auto* made = dynamic_cast<const Index*>(content_->index.get())) {
            return *made;
        }
        auto index = std::make_shared<Index>(content_->lines);
        const Index& made = *index;
        content_->index = std::move(index);
        return made;
    }

private:
    int checked(int index) const;
    // The lines, for this list alone.
    LineContent& editable();

    std::shared_ptr<LineContent> content_;
    // Where the lines are known from, while they are what that file holds.
    std::weak_ptr<KnownFiles> known_;
    std::filesystem::path knownAs_;
};

} // namespace orlevan
