#pragma once

#include "engine/DialogueState.h"
#include "engine/KnowledgeFiles.h"

namespace orlevan {

// What the screening decided before the phrase base is searched.
enum class Screened {
    Pass,       // go on to the phrase base
    Repetition, // answered from Povtor.Dat
    Insult,     // answered from X.Dat; the phrase is to be recorded
    LongPhrase, // answered from BigString.Dat
};

// The longest phrase that is always searched in the phrase base.
inline constexpr std::size_t kLongPhrase = 110;

// Screens the normalised phrase in order: a repetition of the pane's previous
// line, an insult, a topic only a person talks about (sets FilterHit only),
// an over-long phrase (answered four times in six). Sets CpuPhrase when it
// answers.
Screened screen(TurnContext& context, DialogueState& state);

} // namespace orlevan
