#include "engine/Statistics.h"

#include "KnowledgeFolder.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;

TEST(Statistics, CountPhrasesAndExpressionsOfTheKnowledgeBase) {
    struct Case {
        std::string words; // the phrase base, as stored
        std::string panel;
        ExpressionCounts counts;
    };
    const std::vector<Case> cases = {
        {w("Заголовок\r\nПРИВЕТ.^Привет!;Здравствуй!;\r\n_ХОРОШО^Рад за тебя.;\r\nПОКА.^\r\n"),
         w("Программе известно:   [главные фразы - 2   ветки - 1]"),
         {3, 63}},
        {w("Заголовок\r\n"), w("Программе известно:   [главные фразы - 0   ветки - 0]"), {0, 60}},
        // An empty line is no phrase, though the phrase base holds it.
        {w("Заголовок\r\nДА.^Да.;\r\n\r\n__НЕТ^Нет.;@"),
         w("Программе известно:   [главные фразы - 1   ветки - 1]"),
         {3, 62}},
    };
    for (const Case& c : cases) {
        test::KnowledgeFolder kb;
        for (const char* file :
             {"BigString.Dat", "Pause.Dat", "Povtor.Dat", "W1.Dat", "W2.Dat", "X.Dat"}) {
            kb.writeLines(std::string("Base/") + file, std::vector<std::string>(10, "line"));
        }
        kb.write("Base/Words.dat", c.words);
        EXPECT_EQ(phraseCountsText(countPhrases(kb.context)), c.panel);
        const ExpressionCounts counts = countExpressions(kb.context);
        EXPECT_EQ(counts.incoming, c.counts.incoming);
        EXPECT_EQ(counts.outgoing, c.counts.outgoing);
        EXPECT_EQ(countSuffix(counts.total()), " [" + std::to_string(c.counts.total()) + "]");
    }
}

TEST(Statistics, AMissingFileStopsTheCount) {
    test::KnowledgeFolder kb;
    EXPECT_EQ(test::failureOf([&] { countExpressions(kb.context); }),
              "Cannot open file Base\\Pause.Dat");
    kb.remove("Base/Words.dat");
    EXPECT_EQ(test::failureOf([&] { countPhrases(kb.context); }),
              "Cannot open file Base\\Words.Dat");
}

} // namespace
} // namespace orlevan
