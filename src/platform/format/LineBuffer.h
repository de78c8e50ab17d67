#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

// Lines kept back to back in one text, each a span of it. A list of a
// hundred thousand lines is then two allocations, not a hundred thousand,
// and copying or reloading it reuses the memory it already has.
class LineBuffer {
public:
    struct Span {
        std::size_t offset;
        std::size_t length;
    };

    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    std::string_view operator[](std::size_t index) const {
        return std::string_view(text_).substr(spans_[index].offset, spans_[index].length);
    }

    void append(std::string_view line);
    void replace(std::size_t index, std::string_view line);
    void erase(std::size_t index);
    void clear();
    void dropTrailingEmptyLine();

    // Building in place: the text of the line being made grows at the end,
    // and endLine() closes it.
    std::string& text() { return text_; }
    void endLine(std::size_t start) { spans_.push_back({start, text_.size() - start}); }
    void markLine(std::size_t offset, std::size_t length) { spans_.push_back({offset, length}); }
    void reserveLines(std::size_t lines) { spans_.reserve(lines); }

    std::vector<std::string> toStrings() const;
    static LineBuffer of(const std::vector<std::string>& lines);

private:
    std::string text_;
    std::vector<Span> spans_;
};

} // namespace orlevan
