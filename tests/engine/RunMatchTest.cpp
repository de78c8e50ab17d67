#include "engine/RunMatch.h"

#include "engine/WordLists.h"
#include "platform/format/Casing.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;

std::string upper(std::string_view utf8) {
    return casing::upper(w(utf8));
}

TEST(RunMatch, ACharacterThatBreaksARunIsNotTriedAgainAsAStart) {
    MatchState state;
    EXPECT_FALSE(RunMatch("AAB", "AAAB", state)) << "the third A breaks the run and is skipped";
    MatchState again;
    EXPECT_TRUE(RunMatch("AAB", "XAAB", again));
    EXPECT_EQ(again.K, 4);
    MatchState twoSpaces;
    EXPECT_FALSE(RunMatch(w(" ХАМ"), upper("Ты  хам."), twoSpaces));
    MatchState oneSpace;
    EXPECT_TRUE(RunMatch(w(" ХАМ"), upper("Ты хам."), oneSpace));
}

TEST(RunMatch, TheEndOfThePhraseMatchesNothing) {
    MatchState state;
    EXPECT_TRUE(RunMatch("?", w("ЧТО?"), state));
    MatchState none;
    EXPECT_FALSE(RunMatch("?", w("ЧТО."), none));
    EXPECT_EQ(none.K, 5);
    EXPECT_FALSE(foundFresh("AAB", "AAAB"));
    EXPECT_TRUE(foundFresh(w("ПРИВЕТ."), upper("Ну привет.")));
}

TEST(RunMatch, ThePatternPositionCarriesOverFromWordToWord) {
    // After «А» the next phrase character is compared with the second
    // character of «БВ», which completes a run of its length.
    MatchState state;
    ASSERT_TRUE(RunMatch(w("А"), w("АВ."), state));
    EXPECT_TRUE(RunMatch(w("БВ"), w("АВ."), state));
}

TEST(WordLists, HoldTheirEntriesAfterAnEmptyFirstLine) {
    ASSERT_EQ(Cenzura().entries.size(), 100u);
    ASSERT_EQ(Filter_nr().entries.size(), 100u);
    EXPECT_EQ(Cenzura().entries[0], "");
    EXPECT_EQ(Cenzura().entries[1], w(" ЛОХ"));
    EXPECT_EQ(Cenzura().entries[99], w("Я СОТРУ"));
    EXPECT_EQ(Filter_nr().entries[1], "FUCK");
    EXPECT_EQ(Filter_nr().entries[99], w("ШЕРСТ"));
}

TEST(WordLists, InsultsAreFoundAsPiecesWithTheirBlanks) {
    const auto insult = [](const char* phrase) { return listHit(Cenzura(), upper(phrase)); };
    EXPECT_TRUE(insult("Ты лох."));
    EXPECT_FALSE(insult("Лох."));
    EXPECT_TRUE(insult("Это хамство."));
    EXPECT_TRUE(insult("Ты трус."));
    EXPECT_FALSE(insult("Трусы."));
    EXPECT_FALSE(insult("Ты  хам."));
    EXPECT_FALSE(insult("Привет, как дела?"));
}

// The lists pass over entries a phrase cannot hold without searching for
// them: whatever the phrase, the answer is that of searching every entry.
TEST(WordLists, AnEntryPassedOverIsNeverOneThePhraseHolds) {
    for (const WordList* list : {&Cenzura(), &Filter_nr()}) {
        std::vector<std::string> phrases;
        for (std::size_t i = 1; i < list->entries.size(); ++i) {
            const std::string& entry = list->entries[i];
            phrases.push_back(entry);
            phrases.push_back(upper("ну и ") + entry + "!");
            phrases.push_back(upper("как ") + entry.substr(0, entry.size() - 1) + upper("ый день"));
            phrases.push_back(entry + entry.substr(1));
        }
        for (const std::string& phrase : phrases) {
            const bool searched =
                std::any_of(list->entries.begin() + 1, list->entries.end(),
                            [&](const std::string& entry) { return foundFresh(entry, phrase); });
            EXPECT_EQ(listHit(*list, phrase), searched) << phrase;
        }
    }
}

TEST(WordLists, PersonalTopicsTellYoFromYe) {
    const auto personal = [](const char* phrase) { return listHit(Filter_nr(), upper(phrase)); };
    EXPECT_TRUE(personal("Как твоё имя?"));
    EXPECT_FALSE(personal("Имя?"));
    EXPECT_TRUE(personal("Пойдём."));
    EXPECT_FALSE(personal("Пойдем."));
    EXPECT_TRUE(personal("fuck"));
}

} // namespace
} // namespace orlevan
