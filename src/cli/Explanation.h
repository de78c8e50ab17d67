#pragma once

#include <string>

namespace orlevan {
class Dialogue;
class Folder;
} // namespace orlevan

namespace orlevan::cli {

// Why the last turn got its reply, for whoever writes a knowledge base: the
// step that chose it, and the file and line it came from ("Base\Words.Dat:12",
// counted from 1 as editors count); for a line of the phrase base, its key
// with the marks of its depth. UTF-8, one line.
std::string explanation(const Dialogue& dialogue, const Folder& folder);

} // namespace orlevan::cli
