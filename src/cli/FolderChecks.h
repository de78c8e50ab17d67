#pragma once

namespace orlevan {
class Folder;
class SettingsTable;
} // namespace orlevan

namespace orlevan::cli {

class Findings;

// Every file the program uses is there; every text among them reads in its
// storage form and is Windows-1251 text, not UTF-8 from a modern editor.
void checkFiles(const Folder& folder, Findings& findings);

// The rows of "Config.ini" the window reads at start: there are enough of
// them, colours and sizes are numbers, styles are one of the four texts, and
// row 31 is the "Adres" row the external-file dialog reads and writes.
void checkSettings(const SettingsTable& settings, Findings& findings);

} // namespace orlevan::cli
