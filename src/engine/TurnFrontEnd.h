#pragma once

#include <optional>
#include <string>

namespace orlevan {

// What a front end does for a turn: show the two lines, and switch the
// deferred work the reply asks for. The window plays sounds and drives its
// timers; a terminal prints.
class TurnFrontEnd {
public:
    virtual ~TurnFrontEnd() = default;

    // The user's phrase, normalised, in the user's style.
    virtual void showUserPhrase(const std::string& phrase) = 0;
    // The program's reply in its own style; the turn's busy time is over.
    virtual void showReply(const std::string& reply) = 0;
    // Start (or stop) closing the program once the reply has been seen.
    virtual void setClosing(bool closing) = 0;
    // Arm (or cancel) a follow-up remark a moment after the reply.
    virtual void setFollowUp(bool armed) = 0;
    // The shared file of the computer-to-computer mode, as its field spells
    // it now; nothing when the user is the one talking.
    virtual std::optional<std::string> partnerFile() const = 0;
    // The phrase has been answered: the input is emptied.
    virtual void clearInput() = 0;
};

} // namespace orlevan
