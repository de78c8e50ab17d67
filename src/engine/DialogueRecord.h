#pragma once

namespace orlevan {

class Dialogue;

// The record of a dialogue. The log buffer holds it while the program runs;
// the dialogue log file "Base\Log.Ludvar" is the journal of every run, one
// block appended at each exit.

// Opens the record of a run: an empty line, a rule of hyphens, the date and
// time of the start, an empty line.
void writeRecordHeader(Dialogue& dialogue);

// Appends the record to the dialogue log file, after what the file held:
// an empty line, the record's lines, an empty line, the date and time of the
// exit and a rule of equals signs. The file must exist already. Nothing is
// written when the phrase base or the log file cannot be read.
void appendRecordToLogFile(Dialogue& dialogue);

} // namespace orlevan
