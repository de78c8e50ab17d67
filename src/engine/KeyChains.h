#pragma once

#include "platform/format/LineBuffer.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace orlevan {

// Lines grouped by a key cut from each of them (`KeyOf`), each group chained
// in file order and found by the key's text, so that every line with a given
// key, or every key that stands in a phrase, is found without reading the
// other lines. Only line numbers are kept; keys are read from the lines.
// Which lines take part is the owner's choice: it links and unlinks them.
class KeyChains {
public:
    using KeyOf = std::string_view (*)(std::string_view line);
    static constexpr std::uint32_t kNone = UINT32_MAX;

    explicit KeyChains(KeyOf keyOf) : keyOf_(keyOf) {}

    // Room for about `keys` keys without growing.
    void reserve(std::size_t keys);
    // Line `line` is about to be linked: the slot of its key is fetched into
    // the cache meanwhile. In a large table nearly every key's slot is a
    // miss, which a load of many lines would otherwise wait for one by one.
    void prefetch(std::string_view line) const {
        if (!slots_.empty()) {
            __builtin_prefetch(&slots_[home(hashOf(keyOf_(line)))]);
        }
    }

    // Line `index` joins the chain of its key, in file order.
    void link(const LineBuffer& lines, std::uint32_t index);
    // Line `index`, linked before, leaves its chain; it still holds its text.
    void unlink(const LineBuffer& lines, std::uint32_t index);
    // Line `index`, unlinked, has gone: the lines after it have moved up.
    void removed(std::uint32_t index);

    // The first line of `key`'s chain, or kNone.
    std::uint32_t first(const LineBuffer& lines, std::string_view key) const;
    // The line after `index` in its chain, or kNone.
    std::uint32_t next(std::uint32_t index) const { return links_[index].next; }

    // visit(first line, key) for every key that stands in `text` as one
    // piece; a key standing there twice is visited twice.
    template <typename Visit>
    void forEachKeyIn(const LineBuffer& lines, std::string_view text, Visit visit) const {
        if (groups_.empty()) {
            return;
        }
        for (std::size_t start = 0; start < text.size(); ++start) {
            const std::uint64_t lengths = lengthsFrom(text.substr(start));
            if (lengths == 0) {
                continue;
            }
            const std::size_t room = text.size() - start;
            const std::size_t longest =
                lengths >> 63 ? room : std::min<std::size_t>(64 - std::countl_zero(lengths), room);
            std::uint64_t hash = kHashStart;
            for (std::size_t length = 1; length <= longest; ++length) {
                hash = hashStep(hash, text[start + length - 1]);
                if ((lengths & lengthBit(length)) == 0) {
                    continue;
                }
                const std::string_view piece = text.substr(start, length);
                const std::uint32_t group = groupOf(lines, hash, piece);
                if (group != kNone) {
                    visit(groups_[group].head, piece);
                }
            }
        }
    }

private:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t group = kEmpty;
    };
    struct Group {
        std::uint32_t head = kNone;
        std::uint32_t tail = kNone;
    };
    struct Links {
        std::uint32_t next = kNone;
        std::uint32_t previous = kNone;
    };
    static constexpr std::uint32_t kEmpty = UINT32_MAX;    // a slot never used
    static constexpr std::uint32_t kGone = UINT32_MAX - 1; // a slot whose key has gone
    static constexpr std::uint64_t kHashStart = 14695981039346656037ULL;

    static std::uint64_t hashStep(std::uint64_t hash, char c) {
        return (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    static std::uint64_t hashOf(std::string_view key);
    // A key's length as a bit of a mask: bit n-1 for length n, the last bit
    // for 64 and longer.
    static std::uint64_t lengthBit(std::size_t length) {
        return std::uint64_t{1} << std::min<std::size_t>(length - 1, 63);
    }
    // The lengths of the keys that can begin `text`, by its first two
    // characters: most places of a phrase begin no key at all, and most
    // lengths are no key's from a given place.
    std::uint64_t lengthsFrom(std::string_view text) const {
        const auto first = static_cast<unsigned char>(text[0]);
        const std::uint64_t one = oneCharacter_[first] ? lengthBit(1) : 0;
        return text.size() == 1
                   ? one
                   : one | lengthsByStart_[first * 256 + static_cast<unsigned char>(text[1])];
    }
    void noteKey(std::string_view key);
    std::size_t home(std::uint64_t hash) const;
    std::uint32_t groupOf(const LineBuffer& lines, std::uint64_t hash, std::string_view key) const;
    // The slot holding `key`'s group, or the slot where it would go.
    std::size_t slotOf(const LineBuffer& lines, std::uint64_t hash, std::string_view key) const;
    void rehash(const LineBuffer& lines, std::size_t capacity);
    void insertBefore(std::uint32_t index, std::uint32_t before, Group& group);

    KeyOf keyOf_;
    std::vector<Slot> slots_;
    std::vector<Group> groups_;
    std::vector<std::uint32_t> freeGroups_;
    std::vector<Links> links_;
    std::size_t used_ = 0; // slots holding a key or a gone one
    // The lengths of the keys by their first two characters (lengthBit),
    // and whether a key is one character long; kept as keys come, never
    // lowered.
    std::vector<std::uint64_t> lengthsByStart_ = std::vector<std::uint64_t>(256 * 256);
    std::vector<std::uint8_t> oneCharacter_ = std::vector<std::uint8_t>(256);
};

} // namespace orlevan
