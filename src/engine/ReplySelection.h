#pragma once

#include "engine/DialogueState.h"
#include "engine/KnowledgeFiles.h"

namespace orlevan {

// Where the reply of a turn came from.
enum class ReplySource {
    Branch,   // a branch of the open topic
    Key,      // a key found whole in the phrase
    Word,     // the words of a key found in order
    Fallback, // nothing fits: a question or statement reply, and learning follows
};

struct Reply {
    ReplySource source = ReplySource::Fallback;
    // For a key or word reply only: does its line end the dialogue?
    bool exitMark = false;
};

// Chooses CpuPhrase from the phrase base: the open topic's branches, then
// keys whole, then keys word by word, then the fallback. After a fallback
// the work buffer still holds the fallback file, which learning reads.
Reply selectReply(TurnContext& context, DialogueState& state);

bool BranchPass(TurnContext& context, DialogueState& state, std::string_view upperPhrase);
bool KeyPass(TurnContext& context, DialogueState& state, std::string_view upperPhrase,
             Reply& reply);
bool WordPass(TurnContext& context, DialogueState& state, std::string_view upperPhrase,
              Reply& reply);
void ReplyFallback(TurnContext& context, DialogueState& state);

// CpuPhrase as a random line of `file`, loaded into the work buffer: the
// fallback, and the screening's replies.
void replyFrom(TurnContext& context, DialogueState& state, std::string_view file);

} // namespace orlevan
