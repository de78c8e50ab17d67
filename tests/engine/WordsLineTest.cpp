#include "engine/WordsLine.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;
using Views = std::vector<std::string_view>;

TEST(WordsLine, ReadsKeysAlternativesDepthAndExitMark) {
    const std::string main = w("КАК ДЕЛА?^Хорошо.;Нормально, а у тебя?;");
    const auto line = parseWordsLine(main);
    EXPECT_EQ(line.fault, LineFault::None);
    EXPECT_TRUE(line.isMain());
    EXPECT_EQ(line.key, w("КАК ДЕЛА?"));
    EXPECT_EQ(line.alternatives(), (Views{w("Хорошо."), w("Нормально, а у тебя?")}));
    EXPECT_FALSE(line.exitMark);

    const std::string branch = w("__ДА.^Ну да.;");
    EXPECT_EQ(parseWordsLine(branch).depth, 2);
    EXPECT_EQ(parseWordsLine(branch).key, w("ДА."));

    const std::string farewell = w("ПОКА.^До встречи!;Пока.;@");
    const auto bye = parseWordsLine(farewell);
    EXPECT_TRUE(bye.exitMark);
    EXPECT_EQ(bye.alternativeCount, 2);
    EXPECT_EQ(bye.fault, LineFault::None);
}

TEST(WordsLine, ALearntPhraseWithoutAnswerIsUnanswered) {
    const std::string learnt = w("ПРИВЕТ.^");
    const auto line = parseWordsLine(learnt);
    EXPECT_TRUE(line.unanswered());
    EXPECT_EQ(line.key, w("ПРИВЕТ."));
    EXPECT_FALSE(parseWordsLine("A^b;").unanswered());
}

TEST(WordsLine, OnlyTheFirstSeparatorEndsTheKeyAndAKeyHasOneCharacterAtLeast) {
    EXPECT_EQ(parseWordsLine("AB^c^d;").key, "AB");
    EXPECT_EQ(parseWordsLine("AB^c^d;").alternatives(), Views{"c^d"});
    EXPECT_EQ(parseWordsLine("^^x;").key, "^");
    EXPECT_EQ(parseWordsLine("_^^x;").key, "^");
}

TEST(WordsLine, NamesWhatIsWrongWithAMalformedLineAndReadsWhatItCan) {
    EXPECT_EQ(parseWordsLine("").fault, LineFault::Empty);
    EXPECT_EQ(parseWordsLine("___").fault, LineFault::NoKey);
    const auto noSeparator = parseWordsLine("JUST TEXT");
    EXPECT_EQ(noSeparator.fault, LineFault::NoSeparator);
    EXPECT_EQ(noSeparator.key, "JUST TEXT");
    EXPECT_EQ(parseWordsLine("A;B^c;").fault, LineFault::SemicolonInKey);
    const auto gap = parseWordsLine("A^b;;c;");
    EXPECT_EQ(gap.fault, LineFault::EmptyAlternative);
    EXPECT_EQ(gap.alternatives(), (Views{"b", "c"}));
    EXPECT_EQ(parseWordsLine("A^;").fault, LineFault::EmptyAlternative);
    const auto unended = parseWordsLine("A^b;c");
    EXPECT_EQ(unended.fault, LineFault::UnendedAlternative);
    EXPECT_EQ(unended.alternatives(), Views{"b"});
    EXPECT_EQ(parseWordsLine("A^b;@@").fault, LineFault::UnendedAlternative);
    EXPECT_EQ(parseWordsLine("A^b").fault, LineFault::UnendedAlternative);
}

} // namespace
} // namespace orlevan
