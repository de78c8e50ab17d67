#include "engine/Screening.h"

#include "engine/ReplySelection.h"
#include "engine/WordLists.h"
#include "platform/format/Casing.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Random.h"

namespace orlevan {

Screened screen(TurnContext& context, DialogueState& state) {
    const std::string upperPhrase = casing::upper(state.UserPhrase);
    if (upperPhrase == casing::upper(state.PreviousLine)) {
        replyFrom(context, state, files::Povtor);
        return Screened::Repetition;
    }
    if (listHit(Cenzura(), upperPhrase)) {
        replyFrom(context, state, files::X);
        return Screened::Insult;
    }
    if (listHit(Filter_nr(), upperPhrase)) {
        state.FilterHit = true;
    }
    // Four draws in six look at the length; a phrase of exactly 110
    // characters is searched like a shorter one.
    const int draw = context.random.below(6) + 1;
    const bool looksAtLength = draw == 1 || draw == 3 || draw == 4 || draw == 5;
    if (looksAtLength && state.UserPhrase.size() > kLongPhrase) {
        replyFrom(context, state, files::BigString);
        return Screened::LongPhrase;
    }
    return Screened::Pass;
}

} // namespace orlevan
