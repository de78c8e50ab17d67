#include "platform/system/Random.h"

namespace orlevan {

int SystemRandom::below(int n) {
    if (n <= 0) {
        return 0;
    }
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

} // namespace orlevan
