#pragma once

#include <string>
#include <string_view>

// The layout conversion of the button "E/R" (EnRusClick): text typed with the
// keyboard set to the Latin (US) layout becomes what the same keys give in the
// Russian ЙЦУКЕН layout, in Windows-1251.
namespace orlevan::layout {

// The character the Russian layout gives for the key that typed `c`, or `c`
// itself when `c` is not one of the 70 sources of the table (digits, the
// space, ",", ".", "?", the apostrophe, every byte from 0x80 up, ...).
char toRussian(char c);

// Every character converted once, looked up in the text as it was: a
// target is never converted again within the same call, so "@" ends as the
// double quote and not as Э.
std::string toRussian(std::string_view text);

} // namespace orlevan::layout
