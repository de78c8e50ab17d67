#pragma once

#include <string>

namespace orlevan {

// What one turn hands to the next and to the steps after it. Text is
// Windows-1251, as stored.
struct DialogueState {
    // The phrase of the current turn, normalised in place.
    std::string UserPhrase;
    // The pane's second-to-last line before this turn's echo; a phrase equal
    // to it repeats the user's previous one.
    std::string PreviousLine;
    // The phrase as it was echoed: the key a learnt line is made from.
    std::string EchoedPhrase;
};

} // namespace orlevan
