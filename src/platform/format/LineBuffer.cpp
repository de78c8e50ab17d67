#include "platform/format/LineBuffer.h"

namespace orlevan {

void LineBuffer::append(std::string_view line) {
    spans_.push_back({edits_.size() | kEdited, line.size()});
    edits_.append(line);
}

// The old text stays behind in the buffer until the file is read afresh;
// an edit touches one line, so that costs little.
void LineBuffer::replace(std::size_t index, std::string_view line) {
    spans_[index] = {edits_.size() | kEdited, line.size()};
    edits_.append(line);
}

void LineBuffer::erase(std::size_t index) {
    spans_.erase(spans_.begin() + static_cast<std::ptrdiff_t>(index));
}

void LineBuffer::clear() {
    text_.clear();
    edits_.clear();
    spans_.clear();
}

void LineBuffer::dropTrailingEmptyLine() {
    if (!spans_.empty() && spans_.back().length == 0) {
        spans_.pop_back();
    }
}

std::vector<std::string> LineBuffer::toStrings() const {
    std::vector<std::string> lines;
    lines.reserve(spans_.size());
    for (std::size_t i = 0; i < spans_.size(); ++i) {
        lines.emplace_back((*this)[i]);
    }
    return lines;
}

LineBuffer LineBuffer::of(const std::vector<std::string>& lines) {
    LineBuffer buffer;
    buffer.reserveLines(lines.size());
    for (const auto& line : lines) {
        buffer.append(line);
    }
    return buffer;
}

} // namespace orlevan
