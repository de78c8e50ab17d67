#pragma once

#include "engine/DialogueState.h"
#include "engine/KeyMatch.h"
#include "engine/KnowledgeFiles.h"

namespace orlevan {

// Records an insulting phrase in Collection.Dat, every time it is said.
void recordInsult(TurnContext& context, const DialogueState& state);

// Learns from a phrase the phrase base could not answer; the work buffer
// still holds the fallback file the reply came from. In order:
//   store  - the phrase becomes a future reply in W1.Dat (the previous reply
//            asked something) or W2.Dat, unless it is a person's matter
//            (FilterHit) or that file already has it;
//   key    - the phrase becomes a key of Words.dat, without answers yet;
//   answer - the phrase becomes one more answer of the line whose key is the
//            previous reply.
// The steps run under the edit lock; the key and answer steps are one edit
// of Words.dat, so the file is written once. Both files are written in full
// before either replaces its old content, so a save that fails leaves every
// file as it was before the turn, and a crash leaves each file whole.
// Nothing is learnt before the first reply, and nothing from a phrase holding
// a character that structures Words.dat or a control character.
void learnAfterFallback(TurnContext& context, const DialogueState& state);

} // namespace orlevan
