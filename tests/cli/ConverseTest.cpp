#include "CliRun.h"

#include <gtest/gtest.h>

namespace orlevan::test {
namespace {

using Lines = std::vector<std::string>;

// The record lines of the one dialogue block of a log file that was empty,
// checked to stand between a whole header and a whole ending.
Lines completeRecord(const Lines& log) {
    EXPECT_GE(log.size(), 9u);
    if (log.size() < 9) {
        return {};
    }
    EXPECT_EQ(Lines(log.begin(), log.begin() + 3), (Lines{"", "", std::string(80, '-')}));
    EXPECT_TRUE(log[3].starts_with("Начало диалога:"));
    EXPECT_EQ(log[log.size() - 3], "");
    EXPECT_TRUE(log[log.size() - 2].starts_with("Конец диалога:"));
    EXPECT_EQ(log.back(), std::string(53, '='));
    Lines record;
    for (auto line = log.begin() + 5; line < log.end() - 3; ++line) {
        record.push_back(line->substr(line->find("] ") + 2));
    }
    return record;
}

TEST(ConverseTest, FiftyTurnsArePrintedAndBothSidesKeepTheirRecords) {
    CliFolder a;
    CliFolder b;
    // No farewell in either base, so nothing ends the conversation early.
    for (const CliFolder* side : {&a, &b}) {
        side->writeLines("Base/Words.dat",
                         {"Разговор", "ПРИВЕТ.^Привет! Как дела?;", "_ХОРОШО^Рад за тебя.;",
                          "КАК ДЕЛА?^Отлично.;", "ТЫ КТО?^Я программа.;", "Я ПРОГРАММА.^"});
    }
    const CliRun run =
        runCli({"converse", a.path().string(), b.path().string(), "--turns", "50", "--seed", "11"},
               {}, std::filesystem::temp_directory_path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, Lines{});
    ASSERT_EQ(run.out.size(), 51u);
    EXPECT_EQ(run.out[0], "A: Здравствуй!");

    // Each printed line is what its side said, in order, and what the other side heard.
    Lines saidByA;
    Lines saidByB;
    for (std::size_t i = 0; i < run.out.size(); ++i) {
        const std::string mark = i % 2 == 0 ? "A: " : "B: ";
        ASSERT_TRUE(run.out[i].starts_with(mark)) << run.out[i];
        (i % 2 == 0 ? saidByA : saidByB).push_back(run.out[i].substr(3));
    }
    const Lines recordA = completeRecord(a.lines("Base/Log.Ludvar"));
    const Lines recordB = completeRecord(b.lines("Base/Log.Ludvar"));
    ASSERT_EQ(recordA.size(), 51u);
    ASSERT_EQ(recordB.size(), 50u);
    EXPECT_EQ(recordA[0], "CPU:     Здравствуй!");
    for (std::size_t turn = 0; turn < 25; ++turn) {
        EXPECT_EQ(recordB[2 * turn + 1], "CPU:     " + saidByB[turn]);
        EXPECT_EQ(recordA[2 * turn + 2], "CPU:     " + saidByA[turn + 1]);
        EXPECT_TRUE(recordB[2 * turn].starts_with("USER:     "));
        EXPECT_TRUE(recordA[2 * turn + 1].starts_with("USER:     "));
    }
}

// A turn that fails leaves the other side nothing to answer; both records
// are still kept, in the log file or, when it cannot take one, on stderr.
TEST(ConverseTest, AFailedTurnEndsTheConversationAndNoRecordIsLost) {
    CliFolder a;
    CliFolder b;
    b.remove("Base/W2.Dat");
    b.remove("Base/Log.Ludvar");
    const CliRun run = runCli({"converse", a.path().string(), b.path().string()}, {},
                              std::filesystem::temp_directory_path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, Lines{"A: Здравствуй!"});
    ASSERT_GE(run.err.size(), 3u);
    EXPECT_EQ(Lines(run.err.begin(), run.err.begin() + 3),
              (Lines{"B: Cannot open file Base\\W2.Dat.", "B: Cannot open file Base\\Log.Ludvar.",
                     "B: The record of this dialogue was not written; here it is:"}));
    EXPECT_EQ(run.err.back().substr(run.err.back().find("] ") + 2), "USER:     Здравствуй!");
    EXPECT_EQ(completeRecord(a.lines("Base/Log.Ludvar")), Lines{"CPU:     Здравствуй!"});
}

} // namespace
} // namespace orlevan::test
