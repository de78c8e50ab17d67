#include "engine/Normalise.h"

namespace orlevan {
namespace {

constexpr unsigned char kSmallYo = 0xB8;
constexpr unsigned char kCapitalYo = 0xA8;

// Only Russian letters: a Latin first letter is left as the user typed it.
char capitalRussian(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xE0) {
        return static_cast<char>(b - 0x20);
    }
    return b == kSmallYo ? static_cast<char>(kCapitalYo) : c;
}

} // namespace

void normalise(std::string& phrase) {
    if (phrase.empty()) {
        return;
    }
    phrase.front() = capitalRussian(phrase.front());
    switch (phrase.back()) {
    case ',':
        phrase.back() = '.';
        break;
    case '.':
    case '!':
    case '?':
        break;
    default:
        phrase += '.';
    }
}

std::string logLine(std::string_view time, std::string_view label, std::string_view text) {
    std::string line;
    line.reserve(time.size() + label.size() + text.size() + 3);
    line.append("[").append(time).append("] ").append(label).append(text);
    return line;
}

} // namespace orlevan
