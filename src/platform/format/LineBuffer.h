#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// Lines kept back to back in one text, each a span of it. A list of a
// hundred thousand lines is then two allocations, not a hundred thousand,
// and copying or reloading it reuses the memory it already has.
//
// Lines added or changed once the buffer is made go to a text of their own,
// so the text a file was read into never grows: growing it would move it,
// and hold it twice for a moment, for the sake of one line.
class LineBuffer {
public:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };

    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    std::string_view operator[](std::size_t index) const {
        const Span& span = spans_[index];
        const std::string& text = (span.offset & kEdited) != 0 ? edits_ : text_;
        return {text.data() + (span.offset & ~kEdited), span.length};
    }

    void append(std::string_view line);
    void replace(std::size_t index, std::string_view line);
    void erase(std::size_t index);
    void clear();
    void dropTrailingEmptyLine();

    // Building in place, from an empty buffer: the text of the line being
    // made grows at the end, and endLine() closes it.
    std::string& text() { return text_; }
    void endLine(std::size_t start) { spans_.push_back({start, text_.size() - start}); }
    void markLine(std::size_t offset, std::size_t length) { spans_.push_back({offset, length}); }
    void reserveLines(std::size_t lines) { spans_.reserve(lines); }

    std::vector<std::string> toStrings() const;
    static LineBuffer of(const std::vector<std::string>& lines);

private:
    // Marks the offset of a span in edits_.
    static constexpr std::size_t kEdited = std::size_t{1} << 63;

    std::string text_;
    std::string edits_;
    std::vector<Span> spans_;
};

} // namespace orlevan
