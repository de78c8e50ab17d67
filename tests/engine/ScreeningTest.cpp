#include "engine/Screening.h"

#include "KnowledgeFolder.h"
#include "platform/system/Failure.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;

class ScreeningTest : public ::testing::Test {
protected:
    test::KnowledgeFolder kb;
    DialogueState state;

    Screened screenPhrase(std::string_view phrase, std::string_view previous = "") {
        state.UserPhrase = w(phrase);
        state.PreviousLine = w(previous);
        state.FilterHit = false;
        return screen(kb.context, state);
    }
};

TEST_F(ScreeningTest, ARepetitionInAnyCaseIsAnsweredFromPovtorBeforeAnInsult) {
    kb.random.draws = {1};
    EXPECT_EQ(screenPhrase("ТЫ ЛОХ.", "Ты лох."), Screened::Repetition);
    EXPECT_EQ(state.CpuPhrase, w("Повторяешься."));
    EXPECT_EQ(screenPhrase("Как дела?", "Как дела."), Screened::Pass);
}

TEST_F(ScreeningTest, AnInsultIsAnsweredFromX) {
    kb.random.draws = {0};
    EXPECT_EQ(screenPhrase("Ты хам."), Screened::Insult);
    EXPECT_EQ(state.CpuPhrase, w("Давай без грубостей."));
    EXPECT_FALSE(state.FilterHit) << "the insult ends the screening";
}

TEST_F(ScreeningTest, APersonalTopicIsMarkedAndStillSearched) {
    EXPECT_EQ(screenPhrase("Меня зовут Коля."), Screened::Pass);
    EXPECT_TRUE(state.FilterHit);
    EXPECT_EQ(screenPhrase("Как дела?"), Screened::Pass);
    EXPECT_FALSE(state.FilterHit);
}

TEST_F(ScreeningTest, ALongPhraseIsAnsweredOnFourDrawsOfSix) {
    const std::string longPhrase = std::string(110, 'a') + ".";
    int answered = 0;
    for (int draw = 0; draw < 6; ++draw) {
        kb.random.draws = {draw, 0};
        answered += screenPhrase(longPhrase) == Screened::LongPhrase;
    }
    EXPECT_EQ(answered, 4);
    kb.random.draws = {0, 0};
    EXPECT_EQ(screenPhrase(std::string(111, 'a') + "."), Screened::LongPhrase);
    EXPECT_EQ(state.CpuPhrase, w("Слишком длинно."));
    for (int draw = 0; draw < 6; ++draw) {
        kb.random.draws = {draw};
        EXPECT_EQ(screenPhrase(std::string(109, 'a') + "."), Screened::Pass);
    }
}

TEST_F(ScreeningTest, APhraseOfExactly110CharactersIsSearched) {
    kb.random.draws = {0};
    EXPECT_EQ(screenPhrase(std::string(109, 'a') + "."), Screened::Pass);
}

TEST_F(ScreeningTest, AMissingReplyFileFailsWithItsName) {
    kb.remove("Base/X.Dat");
    EXPECT_EQ(test::failureOf([&] { screenPhrase("Ты хам."); }), "Cannot open file Base\\X.Dat");
}

} // namespace
} // namespace orlevan
