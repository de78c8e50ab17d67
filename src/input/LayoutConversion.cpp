#include "input/LayoutConversion.h"

#include <array>

namespace orlevan::layout {
namespace {

struct Key {
    char latin;
    unsigned char russian;
};

// Letter keys and the keys right of them, unshifted then shifted, row by row;
// then the shifted signs of the digit row. The comma, the full stop, the
// question mark and the apostrophe give themselves in both layouts; б and ю
// come only from "<" and ">", and in small form.
constexpr Key kKeys[] = {
    {'`', 0xB8}, {'~', 0xA8}, // ё Ё
    {'q', 0xE9}, {'Q', 0xC9}, {'w', 0xF6}, {'W', 0xD6}, {'e', 0xF3}, {'E', 0xD3}, {'r', 0xEA},
    {'R', 0xCA}, {'t', 0xE5}, {'T', 0xC5}, {'y', 0xED}, {'Y', 0xCD}, {'u', 0xE3}, {'U', 0xC3},
    {'i', 0xF8}, {'I', 0xD8}, {'o', 0xF9}, {'O', 0xD9}, {'p', 0xE7}, {'P', 0xC7}, {'[', 0xF5},
    {'{', 0xD5}, {']', 0xFA}, {'}', 0xDA}, {'a', 0xF4}, {'A', 0xD4}, {'s', 0xFB}, {'S', 0xDB},
    {'d', 0xE2}, {'D', 0xC2}, {'f', 0xE0}, {'F', 0xC0}, {'g', 0xEF}, {'G', 0xCF}, {'h', 0xF0},
    {'H', 0xD0}, {'j', 0xEE}, {'J', 0xCE}, {'k', 0xEB}, {'K', 0xCB}, {'l', 0xE4}, {'L', 0xC4},
    {';', 0xE6}, {':', 0xC6}, {'"', 0xDD}, {'z', 0xFF}, {'Z', 0xDF}, {'x', 0xF7}, {'X', 0xD7},
    {'c', 0xF1}, {'C', 0xD1}, {'v', 0xEC}, {'V', 0xCC}, {'b', 0xE8}, {'B', 0xC8}, {'n', 0xF2},
    {'N', 0xD2}, {'m', 0xFC}, {'M', 0xDC}, {'<', 0xE1}, {'>', 0xFE}, {'/', '.'},  {'@', '"'},
    {'#', 0xB9}, {'$', ';'},  {'^', ':'},  {'&', '?'},  {'|', '/'}, // № is 0xB9
};
static_assert(std::size(kKeys) == 70);

constexpr std::array<unsigned char, 256> makeTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b) {
        table[b] = static_cast<unsigned char>(b);
    }
    for (const Key& key : kKeys) {
        table[static_cast<unsigned char>(key.latin)] = key.russian;
    }
    return table;
}

constexpr std::array<unsigned char, 256> kTable = makeTable();

} // namespace

char toRussian(char c) {
    return static_cast<char>(kTable[static_cast<unsigned char>(c)]);
}

std::string toRussian(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = toRussian(c);
    }
    return out;
}

} // namespace orlevan::layout
