#include "engine/Remarks.h"

#include "KnowledgeFolder.h"
#include "engine/Dialogue.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;

class RemarksTest : public ::testing::Test {
protected:
    RemarksTest() {
        kb.writeLines("Base/Pause.Dat", {w("Ты здесь?"), w("Молчишь?")});
        kb.writeLines("Base/Begin.dat", {w("Привет!"), w("Здравствуй!"), w("Рад тебя видеть.")});
    }

    std::string lastLogLine() const {
        return std::string(dialogue.Log.line(dialogue.Log.count() - 1));
    }

    test::KnowledgeFolder kb;
    test::FixedClock clock;
    Dialogue dialogue{kb.folder, clock, kb.random};
    Remarks remarks{dialogue};
};

// The silence a pause remark waits for is drawn anew every second, from 60 to 90.
TEST(PauseRemark, ComesNeverBeforeTheSixtiethSecondAndAlwaysByTheNinetieth) {
    test::KnowledgeFolder kb;
    kb.writeLines("Base/Pause.Dat", {w("Ты здесь?")});
    test::FixedClock clock;
    SystemRandom random;
    for (unsigned seed = 0; seed < 200; ++seed) {
        clock.millis = seed;
        Dialogue dialogue(kb.folder, clock, random);
        Remarks remarks(dialogue);
        int second = 1;
        while (!remarks.pauseTick()) {
            ++second;
            ASSERT_LE(second, 90) << "seed " << seed;
        }
        EXPECT_GE(second, 60) << "seed " << seed;
        EXPECT_EQ(dialogue.state.IdleTicks, 0);
    }
}

TEST_F(RemarksTest, APauseRemarkIsLoggedAndStartsTheSilenceOver) {
    kb.random.draws = {59, 59, 1}; // thresholds of 60 and 60, then the second line
    dialogue.state.IdleTicks = 58;
    EXPECT_FALSE(remarks.pauseTick());
    EXPECT_EQ(remarks.pauseTick(), w("Молчишь?"));
    EXPECT_EQ(dialogue.state.CpuPhrase, w("Молчишь?"));
    EXPECT_EQ(lastLogLine(), w("[14:05:09] CPU:     Молчишь?"));
    EXPECT_EQ(dialogue.state.IdleTicks, 0);

    kb.remove("Base/Pause.Dat");
    dialogue.state.IdleTicks = 95;
    EXPECT_EQ(test::failureOf([&] { remarks.pauseTick(); }), "Cannot open file Base\\Pause.Dat");
    EXPECT_EQ(dialogue.state.IdleTicks, 96); // still due: the next second tries again
}

// The follow-up remark is said on the tick that brings the wait to the
// timer's interval: a line of AI.dat, never its first, whatever file another
// handler left in the work buffer meanwhile.
TEST_F(RemarksTest, AFollowUpRemarkIsALineOfAiDatOnItsTick) {
    struct Case {
        std::vector<std::string> buffer;
        int draw;
        std::string remark;
    };
    const std::vector<Case> cases = {
        {{"header", w("Кстати..."), w("А знаешь что?"), w("Интересно.")}, 2, w("Интересно.")},
        {{"header", w("Кстати...")}, 0, w("Кстати...")},
        {{"header"}, 0, ""},
        {{}, 0, ""},
    };
    for (const Case& c : cases) {
        kb.writeLines("Base/AI.dat", c.buffer);
        dialogue.RE2.load(kb.folder, "Base\\Begin.dat");
        kb.random.draws = {c.draw};
        EXPECT_FALSE(remarks.followUpTick(1000));
        EXPECT_EQ(remarks.followUpTick(1000), c.remark);
        EXPECT_EQ(lastLogLine(), w("[14:05:09] CPU:     ") + c.remark);
        EXPECT_EQ(remarks.AiRemarkTime, 0);
    }
    // An arming cancelled after one tick leaves half the wait behind.
    kb.writeLines("Base/AI.dat", {"header", w("Кстати...")});
    remarks.AiRemarkTime = 500;
    EXPECT_EQ(remarks.followUpTick(1000), w("Кстати..."));
    EXPECT_EQ(dialogue.state.LastReply, "");

    // Without AI.dat there is no remark, and the next arming waits its whole time again.
    kb.remove("Base/AI.dat");
    remarks.AiRemarkTime = 500;
    EXPECT_EQ(test::failureOf([&] { remarks.followUpTick(1000); }),
              "Cannot open file Base\\AI.dat");
    EXPECT_EQ(remarks.AiRemarkTime, 0);
}

TEST_F(RemarksTest, AGreetingComesOneTimeInThree) {
    kb.random.draws = {1};
    EXPECT_FALSE(remarks.greeting());
    kb.random.draws = {0, 2};
    EXPECT_EQ(remarks.greeting(), w("Рад тебя видеть."));
    EXPECT_EQ(lastLogLine(), w("[14:05:09] CPU:     Рад тебя видеть."));

    kb.remove("Base/Begin.dat");
    kb.random.draws = {0};
    EXPECT_EQ(test::failureOf([&] { remarks.greeting(); }), "Cannot open file Base\\Begin.dat");
}

} // namespace
} // namespace orlevan
