#pragma once

#include <random>

namespace orlevan {

// The one pseudo-random generator of the program. Turns and timers reseed
// it from the time of day before they draw; tests substitute a scripted one.
class Random {
public:
    virtual ~Random() = default;
    virtual void reseed(unsigned seed) = 0;
    // Uniform in 0 .. n-1; 0 when n is 0 (or negative).
    virtual int below(int n) = 0;
};

class SystemRandom final : public Random {
public:
    void reseed(unsigned seed) override { engine_.seed(seed); }
    int below(int n) override;

private:
    std::mt19937 engine_{std::random_device{}()};
};

} // namespace orlevan
