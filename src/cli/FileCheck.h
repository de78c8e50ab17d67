#pragma once

namespace orlevan {
class Folder;
}

namespace orlevan::cli {

class Findings;

// Every file the program uses is there; every text among them reads in its
// storage form and is Windows-1251 text, not UTF-8 from a modern editor.
void checkFiles(const Folder& folder, Findings& findings);

} // namespace orlevan::cli
