#include "engine/Learning.h"

#include "KnowledgeFolder.h"
#include "platform/system/Failure.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace orlevan {
namespace {

using test::w;
using Lines = std::vector<std::string>;

class LearningTest : public ::testing::Test {
protected:
    test::KnowledgeFolder kb;
    DialogueState state;
    Lines wordsBefore = kb.lines("Base\\Words.dat");

    // Learns `phrase` after a fallback reply taken from `fallbackFile`.
    void learn(std::string_view phrase, std::string_view lastReply,
               std::string_view fallbackFile = files::W2, bool filterHit = false) {
        state.UserPhrase = w(phrase);
        state.LastReply = w(lastReply);
        state.FilterHit = filterHit;
        kb.RE2.load(kb.folder, fallbackFile);
        learnAfterFallback(kb.context, state);
    }

    Lines wordsAfter(std::initializer_list<std::string_view> added) const {
        Lines lines = wordsBefore;
        for (const auto line : added) {
            lines.push_back(w(line));
        }
        return lines;
    }
};

TEST_F(LearningTest, TheWorkedExampleStoresTheAnswerEverywhere) {
    learn("Я Коля.", "Ты кто?");
    EXPECT_EQ(kb.lines("Base\\W1.Dat"),
              (Lines{w("Хороший вопрос."), w("Не знаю, а ты?"), w("Я Коля.")}));
    EXPECT_EQ(kb.lines("Base\\W2.Dat"), (Lines{w("Понятно."), w("Расскажи ещё.")}));
    Lines expected = wordsBefore;
    expected.erase(expected.begin() + 7);
    expected.push_back(w("Я КОЛЯ.^"));
    expected.push_back(w("ТЫ КТО?^Я программа.;Я Коля.;"));
    EXPECT_EQ(kb.lines("Base\\Words.dat"), expected);
}

// The new key and the longer answer line reach the phrase base in one save,
// so a crash leaves it as it was before the turn or as it is after it.
TEST_F(LearningTest, ThePhraseBaseIsSavedOnceForTheKeyAndTheAnswer) {
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    // Moves from a name are watched too: two moves to the same name in a row
    // would be told as one.
    ASSERT_GE(::inotify_add_watch(watch, (kb.path() / "Base").c_str(), IN_MOVED_TO | IN_MOVED_FROM),
              0);
    learn("Я Коля.", "Ты кто?");
    int saves = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t got; (got = ::read(watch, events, sizeof events)) > 0;) {
        for (char* at = events; at < events + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            saves += (event->mask & IN_MOVED_TO) && std::string_view(event->name) == "Words.dat";
            at += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(kb.lines("Base\\Words.dat").back(), w("ТЫ КТО?^Я программа.;Я Коля.;"));
}

TEST_F(LearningTest, NothingIsLearntBeforeTheFirstReply) {
    learn("Я Коля.", "");
    EXPECT_EQ(kb.lines("Base\\Words.dat"), wordsBefore);
    EXPECT_EQ(kb.lines("Base\\W2.Dat").size(), 2u);
    EXPECT_EQ(kb.lines("Base\\W1.Dat").size(), 2u);
}

TEST_F(LearningTest, APersonalPhraseBecomesAKeyButNeverAReply) {
    learn("Меня зовут Коля.", "", files::W2, true);
    EXPECT_EQ(kb.lines("Base\\Words.dat"), wordsAfter({"МЕНЯ ЗОВУТ КОЛЯ.^"}));
    EXPECT_EQ(kb.lines("Base\\W2.Dat").size(), 2u);
}

TEST_F(LearningTest, APhraseTheFallbackFileHoldsIsNotStoredTwice) {
    learn("Расскажи ещё.", "Ты кто?");
    EXPECT_EQ(kb.lines("Base\\W1.Dat").size(), 2u);
    EXPECT_EQ(kb.lines("Base\\Words.dat").back(), w("ТЫ КТО?^Я программа.;Расскажи ещё.;"));

    // Line 0 is not looked at, and the comparison is exact.
    learn("Понятно.", "Ну что?");
    EXPECT_EQ(kb.lines("Base\\W1.Dat").back(), w("Понятно."));
    learn("расскажи ещё.", "Ну что?");
    EXPECT_EQ(kb.lines("Base\\W1.Dat").back(), w("расскажи ещё."));
}

TEST_F(LearningTest, TheReplyThePhraseAnsweredChoosesTheFile) {
    learn("Ладно.", "Что? Ну ладно.");
    EXPECT_EQ(kb.lines("Base\\W1.Dat").back(), w("Ладно."));
    learn("Хорошо бы.", "Я программа.");
    EXPECT_EQ(kb.lines("Base\\W2.Dat").back(), w("Хорошо бы."));
}

TEST_F(LearningTest, AKeyAlreadyThereStopsTheAnswerStep) {
    learn("Как тебя зовут?", "Ты кто?", files::W1);
    // The key exists (unanswered): Words.dat is not even rewritten.
    EXPECT_EQ(kb.read("Base/Words.dat").substr(0, 5), "\xD4\xF0\xE0\xE7\xFB");
    EXPECT_EQ(kb.lines("Base\\Words.dat"), wordsBefore);
    EXPECT_EQ(kb.lines("Base\\W1.Dat").back(), w("Как тебя зовут?"));
}

TEST_F(LearningTest, OnlyTheFirstOfTwoEqualKeysGetsTheAnswer) {
    kb.writeLines("Base/Words.dat", {"h", w("ДА.^Да.;"), w("ДА.^Конечно.;"), w("НЕТ.^Нет.;")});
    learn("Правда.", "Да.");
    EXPECT_EQ(kb.lines("Base\\Words.dat"), (Lines{"h", w("ДА.^Конечно.;"), w("НЕТ.^Нет.;"),
                                                  w("ПРАВДА.^"), w("ДА.^Да.;Правда.;")}));
}

// A phrase that holds a character structuring Words.dat would break it; a
// control character (from a partner's file) would not stay one line.
TEST_F(LearningTest, APhraseWithAReservedOrControlCharacterIsNeverStored) {
    for (const char* phrase : {"А^б.", "а_б.", "а;б.", "почта@дом.", "а\tб.", "а\x01б."}) {
        learn(phrase, "Ты кто?");
    }
    EXPECT_EQ(kb.lines("Base\\Words.dat"), wordsBefore);
    EXPECT_EQ(kb.lines("Base\\W1.Dat").size(), 2u);
}

TEST_F(LearningTest, ALongLineStaysWholeWhenItGainsAnAnswer) {
    const std::string longAnswers = std::string(10'000, 'x') + ";";
    kb.writeLines("Base/Words.dat", {"h", w("ТЫ КТО?^") + longAnswers});
    learn("Я Коля.", "Ты кто?");
    EXPECT_EQ(kb.lines("Base\\Words.dat").back(), w("ТЫ КТО?^") + longAnswers + w("Я Коля.;"));
}

TEST_F(LearningTest, ALineWithBranchesKeepsItsPlaceAndALineWithTheExitMarkKeepsIt) {
    learn("Салют.", "Привет.");
    const Lines words = kb.lines("Base\\Words.dat");
    EXPECT_EQ(words[1], w("ПРИВЕТ.^Привет!;Здравствуй!;Салют.;"));
    EXPECT_EQ(words[2], w("_ХОРОШО^Рад за тебя.;"));
    EXPECT_EQ(words.back(), w("САЛЮТ.^"));

    learn("Счастливо.", "Пока.");
    EXPECT_EQ(kb.lines("Base\\Words.dat").back(), w("ПОКА.^До свидания!;Счастливо.;@"));
}

// A learning turn is all or nothing: the store step's file keeps its lines
// when the phrase base cannot take the phrase.
TEST_F(LearningTest, AFailureInTheMiddleLeavesEveryFileAsItWas) {
    const Lines before = kb.lines("Base\\W1.Dat");
    kb.remove("Base/Words.dat");
    EXPECT_EQ(test::failureOf([&] { learn("Я Коля.", "Ты кто?"); }),
              "Cannot open file Base\\Words.dat");
    EXPECT_EQ(kb.lines("Base\\W1.Dat"), before);
}

TEST_F(LearningTest, EveryInsultIsRecorded) {
    state.UserPhrase = w("Ты хам.");
    recordInsult(kb.context, state);
    recordInsult(kb.context, state);
    EXPECT_EQ(kb.lines("Base\\Collection.Dat"), (Lines{w(">>> Ты хам."), w(">>> Ты хам.")}));
}

} // namespace
} // namespace orlevan
