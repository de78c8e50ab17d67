#pragma once

#include "platform/format/LineBuffer.h"

#include <cstddef>
#include <memory>

namespace orlevan {

// What a reader works out from the lines of a file to find its way in them
// quickly. It follows every edit of the lines it was made from, so it never
// answers from lines that are no longer there.
class LineIndex {
public:
    virtual ~LineIndex() = default;
    // Line `index` is about to change or to go.
    virtual void unlinking(const LineBuffer& lines, std::size_t index) = 0;
    // Line `index` is new, or has just changed.
    virtual void linked(const LineBuffer& lines, std::size_t index) = 0;
    // Line `index` has gone, and the lines after it have moved up by one.
    virtual void removed(const LineBuffer& lines, std::size_t index) = 0;
};

// The lines of one file as read or saved, shared by every list that loaded
// that file while it stayed the same, with the index made from them. Lines
// that are shared are never edited: a list that edits them takes them for
// itself first.
struct LineContent {
    LineBuffer lines;
    std::shared_ptr<LineIndex> index;
};

} // namespace orlevan
