#include "platform/format/Casing.h"

namespace orlevan::casing {

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = upper(c);
    }
    return out;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = lower(c);
    }
    return out;
}

} // namespace orlevan::casing
