#pragma once

#include <string>
#include <string_view>

namespace orlevan {

// What one turn hands to the next and to the steps after it. Text is
// Windows-1251, as stored.
struct DialogueState {
    // The phrase of the current turn, normalised in place.
    std::string UserPhrase;
    // The pane's second-to-last line before this turn's echo; a phrase equal
    // to it repeats the user's previous one.
    std::string PreviousLine;
    // The reply of the current turn (or the remark being made), and the file
    // and line (from 0) it was taken from.
    std::string CpuPhrase;
    std::string_view ReplyFile;
    int ReplyLine = 0;
    // The reply of the previous turn: what the user's phrase answered.
    std::string LastReply;
    // The phrase holds a word of things only a living person says.
    bool FilterHit = false;

    // The open topic: the phrase-base line the last reply came from, and the
    // depth of branches the next phrase is tried against (0: no topic).
    int TopicLine = 0;
    int TopicDepth = 0;
    // The alternative (from 1) chosen last, and the branch key being tried.
    int ReplyPick = 0;
    std::string BranchKey;

    // Seconds of silence since the last phrase or remark.
    int IdleTicks = 0;
};

} // namespace orlevan
