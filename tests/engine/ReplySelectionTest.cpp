#include "engine/ReplySelection.h"

#include "KnowledgeFolder.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;

class ReplySelectionTest : public ::testing::Test {
protected:
    test::KnowledgeFolder kb;
    DialogueState state;

    // Answers a phrase as a turn would after the screening let it through.
    Reply answer(std::string_view phrase) {
        state.UserPhrase = w(phrase);
        return selectReply(kb.context, state);
    }

    void useBase(const std::vector<std::string_view>& lines) {
        std::vector<std::string> encoded{"header"};
        for (const auto line : lines) {
            encoded.push_back(w(line));
        }
        kb.writeLines("Base/Words.dat", encoded);
    }
};

TEST_F(ReplySelectionTest, AKeyIsFoundWholeInsideThePhrase) {
    kb.random.draws = {1};
    const Reply reply = answer("Ну привет.");
    EXPECT_EQ(reply.source, ReplySource::Key);
    EXPECT_EQ(state.CpuPhrase, w("Здравствуй!"));
    EXPECT_EQ(state.ReplyPick, 2);
    EXPECT_EQ(state.TopicLine, 1);
    EXPECT_EQ(state.TopicDepth, 1);

    EXPECT_EQ(answer("Привет!").source, ReplySource::Fallback) << "the key holds its full stop";
    state.TopicDepth = 0;
    EXPECT_EQ(answer("Приветик.").source, ReplySource::Fallback);
}

TEST_F(ReplySelectionTest, TheWordsOfAKeyAreFoundInTheirOrder) {
    EXPECT_EQ(answer("Как твои дела?").source, ReplySource::Word);
    EXPECT_EQ(state.TopicLine, 6);
    state.TopicDepth = 0;
    EXPECT_EQ(answer("Дела как?").source, ReplySource::Fallback);
    useBase({"А БВ^Нашлось.;"});
    EXPECT_EQ(answer("АВ.").source, ReplySource::Word);
    EXPECT_EQ(state.CpuPhrase, w("Нашлось."));
}

TEST_F(ReplySelectionTest, AWholeKeyAnywhereBeatsAnEarlierKeyFoundWordByWord) {
    useBase({"КАК ДЕЛА?^По словам.;", "ТВОИ^Целиком.;"});
    EXPECT_EQ(answer("Как твои дела?").source, ReplySource::Key);
    EXPECT_EQ(state.CpuPhrase, w("Целиком."));
    EXPECT_EQ(state.TopicLine, 2);
}

TEST_F(ReplySelectionTest, TheFirstMatchingLineInTheFileWins) {
    useBase({"ДОБР^Первый.;", "ДОБРЫЙ ДЕНЬ^Второй.;"});
    answer("Добрый день.");
    EXPECT_EQ(state.CpuPhrase, w("Первый."));
}

TEST_F(ReplySelectionTest, BranchesFollowTheTopicAcrossDepths) {
    answer("Привет.");
    ASSERT_EQ(state.TopicDepth, 1);
    EXPECT_EQ(answer("Хорошо.").source, ReplySource::Branch);
    EXPECT_EQ(state.CpuPhrase, w("Рад за тебя."));
    EXPECT_EQ(state.TopicLine, 2);
    EXPECT_EQ(state.TopicDepth, 2);
    EXPECT_EQ(answer("Ничего.").source, ReplySource::Branch);
    EXPECT_EQ(state.CpuPhrase, w("Понятно."));
    EXPECT_EQ(state.TopicDepth, 3);
}

TEST_F(ReplySelectionTest, TheBranchWalkPassesDeeperBranchesOfEarlierSiblings) {
    answer("Привет.");
    EXPECT_EQ(answer("Плохо.").source, ReplySource::Branch);
    EXPECT_EQ(state.CpuPhrase, w("Жаль."));
    EXPECT_EQ(state.TopicLine, 4);
    answer("Ничего.");
    EXPECT_EQ(state.CpuPhrase, w("Ну ничего, бывает."));
}

TEST_F(ReplySelectionTest, TheNextMainLineClosesTheTopic) {
    answer("Привет.");
    EXPECT_EQ(answer("Ты кто?").source, ReplySource::Key);
    EXPECT_EQ(state.CpuPhrase, w("Я программа."));
    EXPECT_EQ(state.TopicLine, 7);
    EXPECT_EQ(state.TopicDepth, 1);
    EXPECT_TRUE(state.BranchKey.empty());
}

// The topic of the last main line runs into the end of the file; that must
// close it, or the phrase base would never be searched again.
TEST_F(ReplySelectionTest, TheEndOfTheFileClosesTheTopicToo) {
    useBase({"ИГРА^Во что?;", "_ШАХМАТЫ^Люблю шахматы.;"});
    answer("Игра.");
    ASSERT_EQ(state.TopicDepth, 1);
    EXPECT_EQ(answer("Непонятно что.").source, ReplySource::Fallback);
    EXPECT_EQ(state.TopicDepth, 0);
    EXPECT_EQ(answer("Игра.").source, ReplySource::Key);
    EXPECT_EQ(answer("Шахматы.").source, ReplySource::Branch);
    EXPECT_EQ(answer("Игра снова.").source, ReplySource::Key);
}

TEST_F(ReplySelectionTest, MalformedLinesArePassedOverByEveryPass) {
    useBase({"", "ДВА БЕЗ РАЗДЕЛИТЕЛЯ", "ДВ;А^ключ;", "ДВА^пусто;;", "ДВА^без конца",
             "ДВА^Хорошая.;", "_ДА^Ветка.;", "_ДА^нет конца", "ТРИ^Три.;"});
    EXPECT_EQ(answer("Два.").source, ReplySource::Key);
    EXPECT_EQ(state.CpuPhrase, w("Хорошая."));
    EXPECT_EQ(answer("Да.").source, ReplySource::Branch);
    EXPECT_EQ(state.CpuPhrase, w("Ветка."));
    useBase({"ДВА^Хорошая.;", "_ДА^нет конца", "", "_ДА^Не отсюда.;"});
    answer("Два.");
    EXPECT_EQ(answer("Да.").source, ReplySource::Fallback)
        << "the empty line is a main line: the topic ends there";
}

TEST_F(ReplySelectionTest, EveryAlternativeCanBeChosen) {
    useBase({"КЛЮЧ^а;б;в;"});
    for (const auto& [draw, expected] : {std::pair{0, "а"}, {1, "б"}, {2, "в"}}) {
        kb.random.draws = {draw};
        state.TopicDepth = 0;
        answer("Ключ.");
        EXPECT_EQ(state.CpuPhrase, w(expected));
        EXPECT_EQ(state.ReplyPick, draw + 1);
    }
}

TEST_F(ReplySelectionTest, TheLastCharacterTellsAQuestionFromAStatement) {
    kb.random.draws = {1};
    answer("Что это такое?");
    EXPECT_EQ(state.CpuPhrase, w("Не знаю, а ты?"));
    EXPECT_EQ(kb.RE2.lines(), kb.lines("Base\\W1.Dat")) << "the fallback file stays for learning";
    kb.random.draws = {1};
    answer("Что это? Не знаю.");
    EXPECT_EQ(state.CpuPhrase, w("Расскажи ещё."));
}

TEST_F(ReplySelectionTest, ARepliedLineIsNeverAnUnansweredOne) {
    EXPECT_EQ(answer("Как тебя зовут?").source, ReplySource::Fallback);
}

TEST_F(ReplySelectionTest, ABaseWithOnlyItsHeaderFallsBack) {
    useBase({});
    EXPECT_EQ(answer("Привет.").source, ReplySource::Fallback);
}

} // namespace
} // namespace orlevan
