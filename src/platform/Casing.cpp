#include "Casing.h"

namespace orlevan::casing {
namespace {

constexpr unsigned char kSmallYo = 0xB8;
constexpr unsigned char kCapitalYo = 0xA8;

} // namespace

char upper(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || b >= 0xE0) {
        return static_cast<char>(b - 0x20);
    }
    return b == kSmallYo ? static_cast<char>(kCapitalYo) : c;
}

char lower(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDF)) {
        return static_cast<char>(b + 0x20);
    }
    return b == kCapitalYo ? static_cast<char>(kSmallYo) : c;
}

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
