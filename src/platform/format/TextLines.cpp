#include "platform/format/TextLines.h"

#include <cstring>

namespace orlevan {

namespace {

std::size_t find(std::string_view text, char wanted, std::size_t from, std::size_t to) {
    const void* hit = std::memchr(text.data() + from, wanted, to - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : to;
}

template <typename OnLine> void forEachLine(std::string_view text, OnLine onLine) {
    const std::size_t size = text.size();
    // The next LF is remembered between lines, so a text of lone CRs is still read in one pass.
    std::size_t nextLf = find(text, '\n', 0, size);
    std::size_t start = 0;
    while (true) {
        if (nextLf < start) {
            nextLf = find(text, '\n', start, size);
        }
        const std::size_t end = find(text, '\r', start, nextLf);
        onLine(start, end - start);
        if (end == size) {
            break;
        }
        const bool crLf = text[end] == '\r' && end + 1 < size && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
}

} // namespace

std::vector<std::string> splitTextLines(std::string_view text) {
    std::vector<std::string> lines;
    forEachLine(text, [&](std::size_t offset, std::size_t length) {
        lines.emplace_back(text.substr(offset, length));
    });
    dropTrailingEmptyLine(lines);
    return lines;
}

void splitInPlace(LineBuffer& buffer) {
    const std::string_view text = buffer.text();
    forEachLine(text,
                [&](std::size_t offset, std::size_t length) { buffer.markLine(offset, length); });
    buffer.dropTrailingEmptyLine();
}

void dropTrailingEmptyLine(std::vector<std::string>& lines) {
    if (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
}

std::string joinTextLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace orlevan
