#pragma once

#include "platform/system/Random.h"

#include <cstdint>

namespace orlevan::cli {

// The generator of a run that can be repeated exactly. Every reseed ignores
// the time of day it is handed and takes instead the next value of a fixed
// sequence that starts from N (SplitMix64); every draw until the next reseed
// comes from that value's own SplitMix64 stream, unbiased by rejection. So
// the draws depend on N alone, not on the machine or its standard library.
class SequenceRandom final : public Random {
public:
    explicit SequenceRandom(std::uint64_t seed);
    void reseed(unsigned timeOfDay) override;
    int below(int n) override;

private:
    std::uint64_t sequence_;
    std::uint64_t stream_ = 0;
};

} // namespace orlevan::cli
