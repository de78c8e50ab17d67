// A whole dialogue of a few turns against a knowledge base made from the
// input: whatever the files hold, a turn either answers or fails with the
// message the user sees, and what learning adds to the phrase base can be
// read by the reply search.

#include "FuzzSupport.h"
#include "engine/Dialogue.h"
#include "platform/system/Failure.h"

#include <cstddef>
#include <cstdint>

using namespace orlevan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder scratch;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const fuzz::TurnInput input = fuzz::splitTurnInput(bytes);
    if (input.phrases.size() > 4) {
        return 0; // more turns find nothing new, only take longer
    }
    fuzz::DialogueRig rig(scratch, bytes, input.files);
    fuzz::QuietFrontEnd frontEnd;
    std::string previous;
    for (const auto& phrase : input.phrases) {
        if (phrase.empty()) {
            continue; // every front end takes an empty line for no phrase at all
        }
        try {
            rig.dialogue.turn(phrase, previous, frontEnd);
        } catch (const Failure&) {
            // A file the input made unreadable: the message is the outcome.
        }
        previous = phrase;
    }
    rig.requireLearntLinesWellFormed();
    return 0;
}
