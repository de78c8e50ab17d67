#pragma once

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
// however long.
class PhraseList {
public:
    PhraseList() = default;
    explicit PhraseList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // The lines of a file's content in either storage form.
    static PhraseList fromBytes(std::string_view bytes);
    std::string toBytes() const;

    // Replaces the content with the file's lines; on failure the content stays.
    void load(const Folder& folder, std::string_view name);
    void save(const Folder& folder, std::string_view name) const;

    int count() const { return static_cast<int>(lines_.size()); }
    // The empty text for an index past either end.
    const std::string& line(int index) const;
    void append(std::string text) { lines_.push_back(std::move(text)); }
    // Both throw "List index out of bounds (i)" for an index that holds no line.
    void remove(int index);
    void replace(int index, std::string text);
    void clear() { lines_.clear(); }
    // line(r) for r uniform in 0 .. count-1; the empty text when there is no line.
    const std::string& randomLine(Random& random) const;

    const std::vector<std::string>& lines() const { return lines_; }

private:
    int checked(int index) const;

    std::vector<std::string> lines_;
};

} // namespace orlevan
