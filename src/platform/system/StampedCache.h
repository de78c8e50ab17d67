#pragma once

#include "platform/system/FileStamp.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <vector>

namespace orlevan {

// A few values made from files or folders, each kept with the stamp its
// file or folder had when it was made (FileStamp.h), so that it is used again
// only while that stamp is unchanged. The least recently used entry makes
// room for a new one.
template <typename Value, std::size_t Capacity> class StampedCache {
public:
    struct Entry {
        std::filesystem::path path;
        FileStamp stamp;
        timespec seenAt{}; // the moment just before the stamp was taken
        Value value{};
    };

    // The entry of `path`, counted as used; nullptr when there is none.
    Entry* find(const std::filesystem::path& path) {
        Slot* slot = slotOf(path);
        if (slot == nullptr) {
            return nullptr;
        }
        slot->lastUse = ++uses_;
        return &slot->entry;
    }

    Entry& remember(Entry entry) {
        Slot* slot = slotOf(entry.path);
        if (slot == nullptr && slots_.size() < Capacity) {
            slot = &slots_.emplace_back();
        } else if (slot == nullptr) {
            slot =
                &*std::min_element(slots_.begin(), slots_.end(), [](const Slot& a, const Slot& b) {
                    return a.lastUse < b.lastUse;
                });
        }
        slot->entry = std::move(entry);
        slot->lastUse = ++uses_;
        return slot->entry;
    }

    void forget(const std::filesystem::path& path) {
        std::erase_if(slots_, [&](const Slot& slot) { return slot.entry.path == path; });
    }

private:
    struct Slot {
        Entry entry;
        unsigned lastUse = 0;
    };

    Slot* slotOf(const std::filesystem::path& path) {
        const auto found = std::find_if(slots_.begin(), slots_.end(), [&](const Slot& slot) {
            return slot.entry.path.native() == path.native();
        });
        return found == slots_.end() ? nullptr : &*found;
    }

    std::vector<Slot> slots_;
    unsigned uses_ = 0;
};

} // namespace orlevan
