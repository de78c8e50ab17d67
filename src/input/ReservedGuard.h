#pragma once

#include <array>
#include <string_view>

namespace orlevan::guard {

// The characters that structure the lines of "Base\Words.Dat", in the order
// the scan tests them: "^", "_", ";" and the at sign. A phrase holding one
// would be learnt as a broken line.
inline constexpr std::array<char, 4> kReserved = {'^', '_', ';', '@'};

// One tick of T5Timer over the input line's `text`. `position` is T5's Tag:
// the position last examined, counted from 1 (0: the next tick examines
// position 1). The tick examines the one character after it and returns true
// when that character is reserved; then the caller clears the whole line and
// `position` keeps the place of the find. After the last character the scan
// starts again at position 1. An empty text is not scanned and leaves the
// position alone; a text that has become shorter than the position is
// scanned again from its first character, never beyond its end.
bool scanTick(std::string_view text, int& position);

} // namespace orlevan::guard
