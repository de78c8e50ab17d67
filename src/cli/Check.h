#pragma once

#include <iosfwd>

namespace orlevan {
class Folder;
}

namespace orlevan::cli {

// Checks a working folder: its files, every line of the phrase base, the
// settings rows; with `shadowed`, also the keys an earlier line always
// answers first. Prints each problem on a line of its own, then the counts
// the window shows of the knowledge base. The exit status: 0 when clean,
// 1 when anything was found.
int runCheck(const Folder& folder, bool shadowed, std::ostream& out);

} // namespace orlevan::cli
