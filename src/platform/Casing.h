#pragma once

#include <string>
#include <string_view>

// Upper and lower case of Windows-1251 text: the Latin letters, the 32
// Cyrillic letters а..я and ё. Every other byte is left as it is, so stored
// keys compare byte for byte with an upper-cased phrase.
namespace orlevan::casing {

char upper(char c);
char lower(char c);
std::string upper(std::string_view text);
std::string lower(std::string_view text);

} // namespace orlevan::casing
