#pragma once

#include <iosfwd>

namespace orlevan {
class Clock;
class Folder;
class Random;
} // namespace orlevan

namespace orlevan::cli {

// Two engines, each in its own working folder, talk to each other without
// windows and without a shared file: A opens with a greeting of its own,
// then each reply is the other's next phrase, for `turns` replies or until
// a farewell. Each side learns and keeps its record as the window does; the
// lines are printed as they are said, marked "A: " or "B: ". A failed turn
// leaves the other side nothing to answer, so it ends the conversation.
// Both records join their log files; the exit status is 1 when anything
// failed, else 0.
int converse(const Folder& folderA, const Folder& folderB, int turns, const Clock& clock,
             Random& random, std::ostream& out, std::ostream& err);

} // namespace orlevan::cli
