#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orlevan {

class Folder;

// Plain-text lists (the settings table, the completion dictionary, the About
// text): read with any line ends, written with CR LF.
std::vector<std::string> readTextFile(const Folder& folder, std::string_view name);
void writeTextFile(const Folder& folder, std::string_view name,
                   const std::vector<std::string>& lines);

} // namespace orlevan
