#include "input/ReservedGuard.h"

#include <algorithm>

namespace orlevan::guard {

bool scanTick(std::string_view text, int& position) {
    if (text.empty()) {
        return false;
    }
    const int length = static_cast<int>(text.size());
    // A text cut or cleared and typed anew may be shorter than where the
    // scan stood; it starts over, as it does after the last character.
    const int p = position >= 0 && position < length ? position + 1 : 1;
    position = p;
    const char c = text[static_cast<std::size_t>(p - 1)];
    if (std::find(kReserved.begin(), kReserved.end(), c) != kReserved.end()) {
        return true;
    }
    if (p == length) {
        position = 0;
    }
    return false;
}

} // namespace orlevan::guard
