#include "cli/SequenceRandom.h"

namespace orlevan::cli {
namespace {

std::uint64_t splitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

SequenceRandom::SequenceRandom(std::uint64_t seed) : sequence_(seed) {
    // Draws made before the first reseed come from the sequence too.
    reseed(0);
}

void SequenceRandom::reseed(unsigned) {
    stream_ = splitMix64(sequence_);
}

int SequenceRandom::below(int n) {
    if (n <= 0) {
        return 0;
    }
    const auto range = static_cast<std::uint64_t>(n);
    // 2^64 mod range: values below it would make the low numbers likelier.
    const std::uint64_t threshold = (0 - range) % range;
    std::uint64_t value = 0;
    do {
        value = splitMix64(stream_);
    } while (value < threshold);
    return static_cast<int>(value % range);
}

} // namespace orlevan::cli
