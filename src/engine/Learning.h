#pragma once

#include "DialogueState.h"
#include "KnowledgeFiles.h"

namespace orlevan {

// Records an insulting phrase in Collection.Dat, every time it is said.
void recordInsult(TurnContext& context, const DialogueState& state);

// Learns from a phrase the phrase base could not answer; the work buffer
// still holds the fallback file the reply came from. In order, each step a
// whole load-edit-save of its file under the edit lock:
//   store  - the phrase becomes a future reply in W1.Dat (the previous reply
//            asked something) or W2.Dat, unless it is a person's matter
//            (FilterHit) or that file already has it;
//   key    - the phrase becomes a key of Words.dat, without answers yet;
//   answer - the phrase becomes one more answer of the line whose key is the
//            previous reply.
// Nothing is learnt before the first reply, and nothing from a phrase holding
// a character that structures Words.dat or a control character.
void learnAfterFallback(TurnContext& context, const DialogueState& state);

// The key of a phrase-base line as learning compares it: everything before
// the first '^', depth marks included.
std::string_view learningKey(std::string_view line);

} // namespace orlevan
