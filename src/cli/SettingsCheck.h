#pragma once

namespace orlevan {
class SettingsTable;
}

namespace orlevan::cli {

class Findings;

// The rows of "Config.ini" the window reads at start: there are enough of
// them, colours and sizes are numbers, styles are one of the four texts, and
// row 31 is the "Adres" row the external-file dialog reads and writes.
void checkSettings(const SettingsTable& settings, Findings& findings);

} // namespace orlevan::cli
