#pragma once

#include "LineBuffer.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace orlevan {

// Remembers the lines of the last few rich-text files read or written, with
// the exact bytes they came from. A load reads the file whole every time;
// when its bytes are the ones remembered, the lines are taken from here
// instead of reading the document again. Any change on disk changes the
// bytes, so a change made by hand is seen at the next load.
class ParseMemo {
public:
    // The lines of `path` when its content is `bytes`, if remembered.
    const LineBuffer* find(const std::filesystem::path& path, std::string_view bytes);
    void remember(const std::filesystem::path& path, std::string_view bytes,
                  const LineBuffer& lines);
    // The same, taking the bytes: `bytes` is left holding spare memory.
    void rememberTaking(const std::filesystem::path& path, std::string& bytes,
                        const LineBuffer& lines);

private:
    struct Entry {
        std::filesystem::path path;
        std::string bytes;
        LineBuffer lines;
        unsigned lastUse = 0;
    };
    Entry& slotFor(const std::filesystem::path& path);

    // Enough for the phrase base and the files loaded between two of its loads.
    std::array<Entry, 3> entries_;
    unsigned uses_ = 0;
};

} // namespace orlevan
