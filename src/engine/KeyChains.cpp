#include "engine/KeyChains.h"

#include <algorithm>
#include <bit>

namespace orlevan {

std::uint64_t KeyChains::hashOf(std::string_view key) {
    std::uint64_t hash = kHashStart;
    for (const char c : key) {
        hash = hashStep(hash, c);
    }
    return hash;
}

// The multiplication spreads the digest's high bits over the slot number.
std::size_t KeyChains::home(std::uint64_t hash) const {
    return static_cast<std::size_t>((hash * 0x9E3779B97F4A7C15ULL) >> 32) & (slots_.size() - 1);
}

std::size_t KeyChains::slotOf(const LineBuffer& lines, std::uint64_t hash,
                              std::string_view key) const {
    const auto tag = static_cast<std::uint32_t>(hash);
    std::size_t gone = SIZE_MAX;
    for (std::size_t slot = home(hash);; slot = (slot + 1) & (slots_.size() - 1)) {
        const Slot& s = slots_[slot];
        if (s.group == kEmpty) {
            return gone != SIZE_MAX ? gone : slot;
        }
        if (s.group == kGone) {
            gone = std::min(gone, slot);
        } else if (s.tag == tag && keyOf_(lines[groups_[s.group].head]) == key) {
            return slot;
        }
    }
}

std::uint32_t KeyChains::groupOf(const LineBuffer& lines, std::uint64_t hash,
                                 std::string_view key) const {
    if (slots_.empty()) {
        return kNone;
    }
    const auto tag = static_cast<std::uint32_t>(hash);
    for (std::size_t slot = home(hash);; slot = (slot + 1) & (slots_.size() - 1)) {
        const Slot& s = slots_[slot];
        if (s.group == kEmpty) {
            return kNone;
        }
        if (s.group != kGone && s.tag == tag && keyOf_(lines[groups_[s.group].head]) == key) {
            return s.group;
        }
    }
}

void KeyChains::reserve(std::size_t keys) {
    const std::size_t capacity = std::bit_ceil(std::max<std::size_t>(16, 2 * keys));
    if (capacity > slots_.size() && groups_.empty()) {
        slots_.assign(capacity, Slot{});
    }
}

// Keys that are gone are dropped; at most half the slots are ever used, so
// a search meets an empty slot soon.
void KeyChains::rehash(const LineBuffer& lines, std::size_t capacity) {
    std::vector<Slot> old(capacity);
    old.swap(slots_);
    used_ = 0;
    for (const Slot& s : old) {
        if (s.group == kEmpty || s.group == kGone) {
            continue;
        }
        const std::uint64_t hash = hashOf(keyOf_(lines[groups_[s.group].head]));
        std::size_t slot = home(hash);
        while (slots_[slot].group != kEmpty) {
            slot = (slot + 1) & (slots_.size() - 1);
        }
        slots_[slot] = s;
        ++used_;
    }
}

void KeyChains::insertBefore(std::uint32_t index, std::uint32_t before, Group& group) {
    Links& links = links_[index];
    links.next = before;
    links.previous = before == kNone ? group.tail : links_[before].previous;
    (links.previous == kNone ? group.head : links_[links.previous].next) = index;
    (before == kNone ? group.tail : links_[before].previous) = index;
}

void KeyChains::link(const LineBuffer& lines, std::uint32_t index) {
    if (links_.size() <= index) {
        links_.resize(std::max<std::size_t>(index + 1, lines.size()));
    }
    if (2 * (used_ + 1) > slots_.size()) {
        rehash(lines, std::bit_ceil(std::max<std::size_t>(16, 4 * (used_ + 1))));
    }
    const std::string_view key = keyOf_(lines[index]);
    const std::uint64_t hash = hashOf(key);
    Slot& slot = slots_[slotOf(lines, hash, key)];
    if (slot.group == kEmpty || slot.group == kGone) {
        used_ += slot.group == kEmpty;
        if (freeGroups_.empty()) {
            slot.group = static_cast<std::uint32_t>(groups_.size());
            groups_.emplace_back();
        } else {
            slot.group = freeGroups_.back();
            freeGroups_.pop_back();
        }
        slot.tag = static_cast<std::uint32_t>(hash);
        groups_[slot.group] = {index, index};
        links_[index] = {};
        noteKey(key);
        return;
    }
    Group& group = groups_[slot.group];
    // Lines are nearly always added at the end of the file.
    std::uint32_t before = kNone;
    if (index < group.tail) {
        before = group.head;
        while (before < index) {
            before = links_[before].next;
        }
    }
    insertBefore(index, before, group);
}

void KeyChains::noteKey(std::string_view key) {
    if (key.size() == 1) {
        oneCharacter_[static_cast<unsigned char>(key[0])] = 1;
    } else if (key.size() > 1) {
        lengthsByStart_[static_cast<unsigned char>(key[0]) * 256 +
                        static_cast<unsigned char>(key[1])] |= lengthBit(key.size());
    }
}

void KeyChains::unlink(const LineBuffer& lines, std::uint32_t index) {
    const std::string_view key = keyOf_(lines[index]);
    Slot& slot = slots_[slotOf(lines, hashOf(key), key)];
    Group& group = groups_[slot.group];
    const Links links = links_[index];
    (links.previous == kNone ? group.head : links_[links.previous].next) = links.next;
    (links.next == kNone ? group.tail : links_[links.next].previous) = links.previous;
    links_[index] = {};
    if (group.head == kNone) {
        freeGroups_.push_back(slot.group);
        slot.group = kGone;
    }
}

void KeyChains::removed(std::uint32_t index) {
    const auto shift = [index](std::uint32_t& line) {
        if (line != kNone && line > index) {
            --line;
        }
    };
    if (index < links_.size()) {
        links_.erase(links_.begin() + index);
    }
    for (Links& links : links_) {
        shift(links.next);
        shift(links.previous);
    }
    for (Group& group : groups_) {
        shift(group.head);
        shift(group.tail);
    }
}

std::uint32_t KeyChains::first(const LineBuffer& lines, std::string_view key) const {
    const std::uint32_t group = groupOf(lines, hashOf(key), key);
    return group == kNone ? kNone : groups_[group].head;
}

} // namespace orlevan
