#include "engine/Statistics.h"

#include "platform/format/Cp1251.h"
#include "platform/kb/PhraseList.h"

#include <algorithm>
#include <array>

namespace orlevan {
namespace {

// The reply files whose every line is something the program may say.
constexpr std::array<std::string_view, 6> kReplyFiles = {
    files::BigString, files::Pause, files::Povtor, files::W1, files::W2, files::X,
};

} // namespace

PhraseCounts countPhrases(TurnContext& context) {
    context.RE2.load(context.folder, files::WordsForSearch);
    PhraseCounts counts;
    for (int i = 1; i < context.RE2.count(); ++i) {
        const std::string_view line = context.RE2.line(i);
        if (line.empty()) {
            continue;
        }
        ++(line.front() == '_' ? counts.branches : counts.main);
    }
    return counts;
}

std::string phraseCountsText(const PhraseCounts& counts) {
    return cp1251::fromUtf8("Программе известно:   [главные фразы - ") +
           std::to_string(counts.main) + cp1251::fromUtf8("   ветки - ") +
           std::to_string(counts.branches) + "]";
}

ExpressionCounts countExpressions(TurnContext& context) {
    ExpressionCounts counts;
    PhraseList& buffer = context.RE2;
    buffer.load(context.folder, files::WordsForSearch);
    counts.incoming = std::max(buffer.count() - 1, 0);
    for (int i = 1; i < buffer.count(); ++i) {
        const std::string_view line = buffer.line(i);
        counts.outgoing += static_cast<int>(std::count(line.begin(), line.end(), ';'));
    }
    for (const std::string_view file : kReplyFiles) {
        buffer.load(context.folder, file);
        counts.outgoing += buffer.count();
    }
    return counts;
}

std::string countSuffix(int count) {
    return " [" + std::to_string(count) + "]";
}

} // namespace orlevan
