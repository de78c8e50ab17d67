#pragma once

#include <iosfwd>
#include <string_view>

namespace orlevan {
class Dialogue;
}

namespace orlevan::cli {

// Appends the dialogue's record to its log file. The window stays open when
// that fails, so the user may mend the file and try again; a terminal
// program ends here, so the failure and then the record itself go to `err`,
// after `who`, instead of being lost. Returns whether the log file took it.
bool keepRecord(Dialogue& dialogue, std::ostream& err, std::string_view who = {});

} // namespace orlevan::cli
