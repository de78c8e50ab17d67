#pragma once

#include <iosfwd>
#include <string_view>

namespace orlevan {
class Folder;
}

namespace orlevan::cli {

// A knowledge-base file as UTF-8 lines, for a modern editor, and back.
// `name` is UTF-8, spelled as the program spells its files ("Base\W1.Dat")
// or as a path; both return the exit status.

// Prints the file's lines, read in either storage form.
int exportFile(const Folder& folder, std::string_view name, std::ostream& out, std::ostream& err);

// Replaces the file's lines with those of `in`. Every line is checked first
// (Windows-1251 only; the phrase base also against its syntax), and nothing
// is written unless all pass; the file is then saved as learning saves it:
// rich text, crash-safe, under the folder's edit lock.
int importFile(const Folder& folder, std::string_view name, std::istream& in, std::ostream& err);

} // namespace orlevan::cli
