#pragma once

#include "LineBuffer.h"

#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

class Folder;
class Random;

// The lines of one knowledge-base file, loaded whole, used or edited line by
// line and saved whole. A file is read as a rich-text document when it is one
// and as plain text otherwise; it is always saved as a rich-text document,
// one paragraph per line. Lines are Windows-1251 text and are kept whole,
// however long. One list is reused for file after file, keeping its memory.
class PhraseList {
public:
    PhraseList() = default;
    explicit PhraseList(const std::vector<std::string>& lines) : lines_(LineBuffer::of(lines)) {}

    // The lines of a file's content in either storage form.
    static PhraseList fromBytes(std::string_view bytes);
    std::string toBytes() const;

    // Replaces the content with the file's lines; on failure the content stays.
    // A document cut short is read as far as it goes and told to the folder's
    // DamagedFiles.
    void load(const Folder& folder, std::string_view name);
    void save(const Folder& folder, std::string_view name);

    int count() const { return static_cast<int>(lines_.size()); }
    // The empty text for an index past either end.
    std::string_view line(int index) const;
    void append(std::string_view text) { lines_.append(text); }
    // Both throw "List index out of bounds (i)" for an index that holds no line.
    void remove(int index);
    void replace(int index, std::string_view text);
    void clear() { lines_.clear(); }
    // line(r) for r uniform in 0 .. count-1; the empty text when there is no line.
    std::string_view randomLine(Random& random) const;

    std::vector<std::string> lines() const { return lines_.toStrings(); }

private:
    int checked(int index) const;
    // Reads `bytes_` (a whole file) into `spare_`; throws without touching the
    // lines. Plain text moves out of `bytes_`, a document stays in it.
    // False for a document cut short.
    bool parse();

    LineBuffer lines_;
    // Room kept between loads and saves: the file's bytes, and the lines
    // being read, swapped in when the read succeeds.
    std::string bytes_;
    LineBuffer spare_;
};

} // namespace orlevan
