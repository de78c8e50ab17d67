#include "engine/Dialogue.h"

#include "KnowledgeFolder.h"
#include "engine/TurnFrontEnd.h"
#include "platform/system/Failure.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;
using Lines = std::vector<std::string>;

// Records what a turn asked of its front end.
struct RecordingFrontEnd : TurnFrontEnd {
    Lines shown;
    std::vector<bool> closing;
    std::vector<bool> followUps;
    std::optional<std::string> partner;
    int inputClears = 0;

    void showUserPhrase(const std::string& phrase) override { shown.push_back("user: " + phrase); }
    void showReply(const std::string& reply) override { shown.push_back("cpu: " + reply); }
    void setClosing(bool on) override { closing.push_back(on); }
    void setFollowUp(bool armed) override { followUps.push_back(armed); }
    std::optional<std::string> partnerFile() const override { return partner; }
    void clearInput() override { ++inputClears; }
};

class DialogueTest : public ::testing::Test {
protected:
    test::KnowledgeFolder kb;
    test::FixedClock clock;
    Dialogue dialogue{kb.folder, clock, kb.random};
    RecordingFrontEnd frontEnd;

    // A turn whose screening does not look at the length, with the given
    // alternative, and no follow-up remark.
    void say(std::string_view phrase, int alternative = 0) {
        kb.random.draws = {1, alternative, 1};
        dialogue.turn(w(phrase), previousLine(), frontEnd);
    }

    // The pane's second-to-last line, as the window would read it.
    std::string previousLine() const {
        const auto& shown = frontEnd.shown;
        if (shown.size() < 2) {
            return "";
        }
        const std::string& line = shown[shown.size() - 2];
        return line.substr(line.find(": ") + 2);
    }
};

TEST_F(DialogueTest, ATurnShowsLogsAndRemembersItsReply) {
    clock.millis = 777;
    say("как дела?", 1);
    EXPECT_EQ(kb.random.lastSeed, 777u);
    EXPECT_EQ(frontEnd.shown, (Lines{"user: " + w("Как дела?"), "cpu: " + w("А у тебя?")}));
    EXPECT_EQ(dialogue.Log.lines(),
              (Lines{w("[14:05:09] USER:     Как дела?"), w("[14:05:09] CPU:     А у тебя?")}));
    EXPECT_EQ(dialogue.state.LastReply, w("А у тебя?"));
    EXPECT_EQ(frontEnd.inputClears, 1);
    EXPECT_EQ(frontEnd.followUps, std::vector<bool>{false});
}

TEST_F(DialogueTest, TheExitMarkSwitchesTheClosingOnAndAnyOtherKeyReplyOff) {
    say("Пока.");
    EXPECT_EQ(frontEnd.closing, std::vector<bool>{true});
    say("Ты кто?");
    EXPECT_EQ(frontEnd.closing, (std::vector<bool>{true, false}));
    // Branch, fallback and screening replies leave the closing alone.
    say("Привет.");
    say("Хорошо.");
    say("Совсем другое.");
    say("Ты хам.");
    EXPECT_EQ(frontEnd.closing, (std::vector<bool>{true, false, false}));
}

TEST_F(DialogueTest, AFollowUpIsArmedWithTheRemarksInTheWorkBuffer) {
    kb.random.draws = {1, 0, 0};
    dialogue.turn(w("Как дела?"), "", frontEnd);
    EXPECT_EQ(frontEnd.followUps, std::vector<bool>{true});
    EXPECT_EQ(dialogue.RE2.lines(), kb.lines("Base\\AI.dat"));
}

TEST_F(DialogueTest, AMissingRemarkFileStopsTheTurnAfterTheReplyIsShown) {
    say("Ты кто?");
    kb.remove("Base/AI.dat");
    kb.random.draws = {1, 0, 0};
    EXPECT_THROW(dialogue.turn(w("Как дела?"), "", frontEnd), Failure);
    EXPECT_EQ(frontEnd.shown.back(), "cpu: " + w("Отлично."));
    EXPECT_EQ(frontEnd.followUps.back(), true);
    EXPECT_EQ(dialogue.state.LastReply, w("Я программа."));
    EXPECT_EQ(frontEnd.inputClears, 1);
}

TEST_F(DialogueTest, AFailedSearchShowsNoReplyAndKeepsTheLastOne) {
    say("Ты кто?");
    kb.remove("Base/Words.dat");
    EXPECT_THROW(say("Как дела?"), Failure);
    EXPECT_EQ(frontEnd.shown.back(), "user: " + w("Как дела?"));
    EXPECT_EQ(dialogue.Log.lines().back(), w("[14:05:09] USER:     Как дела?"));
    EXPECT_EQ(dialogue.state.LastReply, w("Я программа."));
}

TEST_F(DialogueTest, ARepetitionOfThePreviousPhraseIsNoticed) {
    say("Ты кто?");
    say("ТЫ КТО?");
    EXPECT_EQ(frontEnd.shown.back(), "cpu: " + w("Повторяешься."));
}

TEST_F(DialogueTest, TheComputerToComputerModeWritesTheReplyForThePartner) {
    frontEnd.partner = (kb.path() / "Shared.txt").string();
    say("Ты кто?");
    EXPECT_EQ(kb.lines(*frontEnd.partner), Lines{w("Я программа.")});
    EXPECT_EQ(dialogue.LoadtxtCpuCpu.lines(), Lines{w("Я программа.")});

    frontEnd.partner = "D:\\Txt.Dat";
    EXPECT_THROW(say("Как дела?"), Failure);
    EXPECT_EQ(dialogue.state.LastReply, w("Я программа.")) << "the reply was not handed on";
}

TEST_F(DialogueTest, AnEmptyReplyIsStillALine) {
    kb.writeLines("Base/W2.Dat", {});
    say("Совсем непонятное.");
    EXPECT_EQ(frontEnd.shown.back(), "cpu: ");
    EXPECT_EQ(dialogue.Log.lines().back(), "[14:05:09] CPU:     ");
}

TEST_F(DialogueTest, TheWorkedExampleLearnsThroughAWholeTurn) {
    dialogue.state.LastReply = w("Ты кто?");
    say("Я Коля.");
    EXPECT_EQ(kb.lines("Base\\W1.Dat").back(), w("Я Коля."));
    const Lines words = kb.lines("Base\\Words.dat");
    EXPECT_EQ(words[words.size() - 2], w("Я КОЛЯ.^"));
    EXPECT_EQ(words.back(), w("ТЫ КТО?^Я программа.;Я Коля.;"));
    // The user's answer is now one of the replies to the question.
    say("Ты кто?", 1);
    EXPECT_EQ(frontEnd.shown.back(), "cpu: " + w("Я Коля."));
}

} // namespace
} // namespace orlevan
