#include "platform/system/ContentHash.h"

#include <algorithm>
#include <bit>
#include <cstring>

// Four independent lanes of multiply-rotate rounds (the round of xxHash64),
// so the processor works on several multiplications at once and a digest
// costs little beside reading the bytes.

namespace orlevan {
namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ULL;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr std::uint64_t kPrime5 = 0x27D4EB2F165667C5ULL;

std::uint64_t load64(const char* p) {
    std::uint64_t value = 0;
    std::memcpy(&value, p, sizeof value);
    return value;
}

std::uint64_t round(std::uint64_t lane, std::uint64_t input) {
    return std::rotl(lane + input * kPrime2, 31) * kPrime1;
}

std::uint64_t merge(std::uint64_t hash, std::uint64_t lane) {
    return (hash ^ round(0, lane)) * kPrime1 + kPrime4;
}

} // namespace

ContentHash::ContentHash() : lanes_{kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1} {}

void ContentHash::addStripe(const char* stripe) {
    for (std::size_t i = 0; i < lanes_.size(); ++i) {
        lanes_[i] = round(lanes_[i], load64(stripe + 8 * i));
    }
}

void ContentHash::add(std::string_view bytes) {
    total_ += bytes.size();
    if (pendingSize_ > 0) {
        const std::size_t take = std::min(kStripe - pendingSize_, bytes.size());
        std::memcpy(pending_.data() + pendingSize_, bytes.data(), take);
        pendingSize_ += take;
        bytes.remove_prefix(take);
        if (pendingSize_ < kStripe) {
            return;
        }
        addStripe(pending_.data());
        pendingSize_ = 0;
    }
    while (bytes.size() >= kStripe) {
        addStripe(bytes.data());
        bytes.remove_prefix(kStripe);
    }
    std::memcpy(pending_.data(), bytes.data(), bytes.size());
    pendingSize_ = bytes.size();
}

std::uint64_t ContentHash::value() const {
    std::uint64_t hash = std::rotl(lanes_[0], 1) + std::rotl(lanes_[1], 7) +
                         std::rotl(lanes_[2], 12) + std::rotl(lanes_[3], 18);
    for (const std::uint64_t lane : lanes_) {
        hash = merge(hash, lane);
    }
    hash += total_;
    std::size_t i = 0;
    for (; i + 8 <= pendingSize_; i += 8) {
        hash = std::rotl(hash ^ round(0, load64(pending_.data() + i)), 27) * kPrime1 + kPrime4;
    }
    for (; i < pendingSize_; ++i) {
        hash = std::rotl(hash ^ (static_cast<unsigned char>(pending_[i]) * kPrime5), 11) * kPrime1;
    }
    hash ^= hash >> 33;
    hash *= kPrime2;
    hash ^= hash >> 29;
    hash *= kPrime3;
    hash ^= hash >> 32;
    return hash;
}

std::uint64_t contentHash(std::string_view bytes) {
    ContentHash hash;
    hash.add(bytes);
    return hash.value();
}

} // namespace orlevan
