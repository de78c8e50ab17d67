#include "CliRun.h"
#include "cli/Chat.h"
#include "cli/InputLines.h"
#include "cli/RemarkSchedule.h"
#include "cli/SequenceRandom.h"
#include "cli/ShadowedKeys.h"
#include "engine/KnowledgeFiles.h"
#include "engine/ReplySelection.h"
#include "platform/kb/PhraseList.h"

#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace orlevan::test {
namespace {

using namespace std::chrono_literals;
using cli::RemarkSchedule;
using Timer = RemarkSchedule::Timer;

std::vector<int> draws(Random& random, int count) {
    std::vector<int> drawn;
    for (int i = 0; i < count; ++i) {
        random.reseed(static_cast<unsigned>(i * 7919));
        drawn.push_back(random.below(1000));
        drawn.push_back(random.below(3));
    }
    return drawn;
}

TEST(SequenceRandomTest, DrawsDependOnTheSeedAloneNotOnTheTimeOfReseeding) {
    cli::SequenceRandom first(42);
    cli::SequenceRandom second(42);
    cli::SequenceRandom other(43);
    const std::vector<int> drawn = draws(first, 200);
    second.reseed(12345); // the time handed in makes no difference
    second.reseed(0);
    cli::SequenceRandom third(42);
    third.reseed(1);
    third.reseed(2);
    EXPECT_EQ(draws(second, 200), draws(third, 200));
    EXPECT_NE(drawn, draws(other, 200));
    // Every value of a small range comes up, and nothing outside it.
    int seen[3] = {};
    for (std::size_t i = 1; i < drawn.size(); i += 2) {
        ASSERT_GE(drawn[i], 0);
        ASSERT_LT(drawn[i], 3);
        ++seen[drawn[i]];
    }
    EXPECT_GT(seen[0] * seen[1] * seen[2], 0);
    EXPECT_EQ(first.below(0), 0);
}

// The window's timers: the silence timer ticks every second from the start;
// the follow-up timer a second after its arming and every second after that,
// its count not restarted by a second arming.
TEST(RemarkScheduleTest, TicksComeAsTheWindowsTimersWould) {
    const RemarkSchedule::Time start{};
    RemarkSchedule schedule(start);
    const struct {
        std::chrono::milliseconds at;
        int armed; // 1 arm, 0 cancel, -1 leave
        std::vector<Timer> ticks;
    } steps[] = {
        {999ms, -1, {}},
        {1000ms, -1, {Timer::Pause}},
        {1300ms, 1, {}},
        {1800ms, 1, {}}, // armed again while counting: the count goes on
        {2000ms, -1, {Timer::Pause}},
        {2300ms, -1, {Timer::FollowUp}},
        {3300ms, -1, {Timer::Pause, Timer::FollowUp}},
        {3400ms, 0, {}},
        {4500ms, -1, {Timer::Pause}},
        {9000ms, -1, {Timer::Pause}}, // a busy spell is not made up for
        {9999ms, -1, {}},
        {10000ms, -1, {Timer::Pause}},
    };
    for (const auto& step : steps) {
        const auto now = start + step.at;
        if (step.armed >= 0) {
            schedule.setFollowUp(step.armed == 1, now);
        }
        std::vector<Timer> ticks;
        while (const auto timer = schedule.due(now)) {
            ticks.push_back(*timer);
        }
        EXPECT_EQ(ticks, step.ticks) << step.at.count();
        EXPECT_GT(schedule.next(), now);
    }
}

// The index the check uses finds, for every key of the shipped base, the
// line the key pass itself answers from.
TEST(ShadowedKeysTest, AgreeWithTheKeyPassOnTheShippedBase) {
    const Folder shipped(ORLEVAN_DATA);
    PhraseList base;
    base.load(shipped, files::WordsForSearch);
    std::vector<cli::Shadowing> expected;
    PhraseList buffer;
    ScriptedRandom random;
    TurnContext context{shipped, buffer, random};
    for (int i = 1; i < base.count(); ++i) {
        const auto phrase = cli::typedKey(base.line(i));
        DialogueState state;
        Reply reply;
        if (phrase && KeyPass(context, state, *phrase, reply) && state.TopicLine < i) {
            expected.push_back({i, state.TopicLine});
        }
    }
    const auto found = cli::shadowedKeys(base);
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t k = 0; k < found.size(); ++k) {
        EXPECT_EQ(found[k].line, expected[k].line);
        EXPECT_EQ(found[k].answeredBy, expected[k].answeredBy);
    }
}

// With remarks, the greeting opens the dialogue and an armed follow-up
// remark comes about two seconds after the reply, while nobody types.
TEST(ChatRemarksTest, TheGreetingAndTheFollowUpComeBetweenTheReplies) {
    CliFolder work;
    FixedClock clock;
    ScriptedRandom random;
    // Greeting drawn (0 of 3) and its line; the turn: no length test, the
    // first alternative, a follow-up armed (0 of 3); the remark's line.
    random.draws = {0, 0, 1, 0, 0, 0};
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    std::ostringstream out;
    std::ostringstream err;
    cli::Chat chat(work.folder, clock, random, {.remarks = true}, out, err);
    cli::InputLines input(pipeEnds[0]);
    int status = -1;
    std::thread talking([&] { status = chat.run(input); });
    ASSERT_EQ(::write(pipeEnds[1], "привет\n", 13), 13);
    // Long enough for the remark's second tick on a busy machine.
    std::this_thread::sleep_for(3500ms);
    ::close(pipeEnds[1]);
    talking.join();
    ::close(pipeEnds[0]);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str(), "Здравствуй!\nПривет! Как дела?\nКстати, как погода?\n");
}

} // namespace
} // namespace orlevan::test
