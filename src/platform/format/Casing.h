#pragma once

#include <array>
#include <string>
#include <string_view>

// Upper and lower case of Windows-1251 text: every letter of the code page
// that has both cases, Latin a..z, Russian а..я and ё, and the Ukrainian,
// Belarusian, Serbian and Macedonian letters (і, ї, є, ґ, ў, ђ, ѓ, љ, њ, ќ, ћ,
// џ, ј, ѕ). Every other byte is left as it is, so stored keys compare byte
// for byte with an upper-cased phrase.
namespace orlevan::casing {
namespace detail {

struct Tables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
};

constexpr Tables makeTables() {
    Tables t;
    for (int b = 0; b < 256; ++b) {
        t.upper[b] = t.lower[b] = static_cast<unsigned char>(b);
    }
    const auto pair = [&t](int capital, int small) {
        t.upper[small] = static_cast<unsigned char>(capital);
        t.lower[capital] = static_cast<unsigned char>(small);
    };
    for (int i = 0; i < 26; ++i) {
        pair('A' + i, 'a' + i);
    }
    for (int i = 0; i < 32; ++i) {
        pair(0xC0 + i, 0xE0 + i); // А..Я, а..я
    }
    // The letters outside the two runs, capital and small, as the code page places them.
    constexpr int kScattered[][2] = {
        {0xA8, 0xB8}, // Ё ё
        {0x80, 0x90}, // Ђ ђ
        {0x81, 0x83}, // Ѓ ѓ
        {0x8A, 0x9A}, // Љ љ
        {0x8C, 0x9C}, // Њ њ
        {0x8D, 0x9D}, // Ќ ќ
        {0x8E, 0x9E}, // Ћ ћ
        {0x8F, 0x9F}, // Џ џ
        {0xA1, 0xA2}, // Ў ў
        {0xA3, 0xBC}, // Ј ј
        {0xA5, 0xB4}, // Ґ ґ
        {0xAA, 0xBA}, // Є є
        {0xAF, 0xBF}, // Ї ї
        {0xB2, 0xB3}, // І і
        {0xBD, 0xBE}, // Ѕ ѕ
    };
    for (const auto& [capital, small] : kScattered) {
        pair(capital, small);
    }
    return t;
}

inline constexpr Tables kTables = makeTables();

} // namespace detail

// Inline, since completion compares every dictionary entry through them.
inline char upper(char c) {
    return static_cast<char>(detail::kTables.upper[static_cast<unsigned char>(c)]);
}
inline char lower(char c) {
    return static_cast<char>(detail::kTables.lower[static_cast<unsigned char>(c)]);
}

std::string upper(std::string_view text);
std::string lower(std::string_view text);

} // namespace orlevan::casing
