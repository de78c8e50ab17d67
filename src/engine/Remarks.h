#pragma once

#include <optional>
#include <string>

namespace orlevan {

class Dialogue;

// What the program says between turns, on its own: the pause remark after a
// silence, the follow-up remark a moment after a reply, and the greeting.
// A remark that is made is already in the dialogue's record when it is
// returned; the front end shows it in the program's style and sounds it.
class Remarks {
public:
    explicit Remarks(Dialogue& dialogue) : dialogue_(dialogue) {}

    // One second of silence. Draws this second's threshold, 60 to 90; once
    // the silence reaches it, a line of Pause.Dat, and the silence starts over.
    std::optional<std::string> pauseTick();

    // One tick of the follow-up timer, whose interval is `interval` ms. On the
    // tick that brings the waiting time to the interval, a line of AI.dat,
    // loaded into the work buffer again; its first line is never said.
    std::optional<std::string> followUpTick(int interval);

    // One time in three, a line of Begin.dat.
    std::optional<std::string> greeting();

    // Milliseconds waited for the follow-up remark, in steps of 500 a tick.
    int AiRemarkTime = 0;

private:
    Dialogue& dialogue_;
};

} // namespace orlevan
