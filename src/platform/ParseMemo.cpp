#include "ParseMemo.h"

#include <algorithm>

namespace orlevan {

const LineBuffer* ParseMemo::find(const std::filesystem::path& path, std::string_view bytes) {
    for (auto& entry : entries_) {
        if (entry.path == path && entry.bytes == bytes) {
            entry.lastUse = ++uses_;
            return &entry.lines;
        }
    }
    return nullptr;
}

void ParseMemo::remember(const std::filesystem::path& path, std::string_view bytes,
                         const LineBuffer& lines) {
    Entry& entry = slotFor(path);
    entry.path = path;
    entry.bytes.assign(bytes); // reuses the entry's memory
    entry.lines = lines;
    entry.lastUse = ++uses_;
}

void ParseMemo::rememberTaking(const std::filesystem::path& path, std::string& bytes,
                               const LineBuffer& lines) {
    Entry& entry = slotFor(path);
    entry.path = path;
    entry.bytes.swap(bytes);
    entry.lines = lines;
    entry.lastUse = ++uses_;
}

// The entry of the same file, else the one used longest ago.
ParseMemo::Entry& ParseMemo::slotFor(const std::filesystem::path& path) {
    const auto same = std::find_if(entries_.begin(), entries_.end(),
                                   [&](const Entry& e) { return e.path == path; });
    if (same != entries_.end()) {
        return *same;
    }
    return *std::min_element(entries_.begin(), entries_.end(),
                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
}

} // namespace orlevan
