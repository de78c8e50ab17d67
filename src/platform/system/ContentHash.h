#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orlevan {

// A 64-bit digest of a file's bytes, fed in pieces of any size: the same
// bytes give the same digest however they are cut. It tells whether a file
// still holds what was read from it when its stamp cannot tell; a change
// slipping through would take two different contents with one digest, a
// chance of one in 2^64 for any edit, so nothing of the content is kept.
class ContentHash {
public:
    ContentHash();
    void add(std::string_view bytes);
    std::uint64_t value() const;

private:
    static constexpr std::size_t kStripe = 32; // four lanes of eight bytes
    void addStripe(const char* stripe);

    std::array<std::uint64_t, 4> lanes_;
    std::array<char, kStripe> pending_{};
    std::size_t pendingSize_ = 0;
    std::uint64_t total_ = 0;
};

std::uint64_t contentHash(std::string_view bytes);

} // namespace orlevan
