#pragma once

#include <iosfwd>

namespace orlevan {
class Folder;
}

namespace orlevan::cli {

// Checks a working folder: its files, every line of the phrase base, the
// settings rows. Prints each problem on a line of its own, then the counts
// the window shows of the knowledge base. The exit status: 0 when clean,
// 1 when anything was found.
struct CheckOptions {
    // Also the keys an earlier line always answers first.
    bool shadowed = false;
    // Also the keys the key pass finds inside longer words of the dictionary.
    bool insideWords = false;
};
int runCheck(const Folder& folder, CheckOptions options, std::ostream& out);

} // namespace orlevan::cli
