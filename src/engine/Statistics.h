#pragma once

#include "engine/KnowledgeFiles.h"

#include <string>

namespace orlevan {

// How much the program knows, counted once at start from the knowledge base.

struct PhraseCounts {
    int main = 0;     // main lines, unanswered keys included
    int branches = 0; // branch lines
};

// The lines of the phrase base below its header, by depth. An empty line is
// no phrase and is not counted.
PhraseCounts countPhrases(TurnContext& context);

// "Программе известно:   [главные фразы - 2   ветки - 1]"
std::string phraseCountsText(const PhraseCounts& counts);

struct ExpressionCounts {
    // Phrases the program recognises: the lines of the phrase base below its header.
    int incoming = 0;
    // Phrases it can say: the lines of the six reply files and every
    // alternative of the phrase base (each ends with a ';').
    int outgoing = 0;

    int total() const { return incoming + outgoing; }
};

ExpressionCounts countExpressions(TurnContext& context);

// What a menu caption gains from a count: " [n]".
std::string countSuffix(int count);

} // namespace orlevan
