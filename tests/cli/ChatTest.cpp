#include "CliRun.h"

#include <gtest/gtest.h>

namespace orlevan::test {
namespace {

using Lines = std::vector<std::string>;

// A record line without its time: "USER:     Привет."
std::string untimed(const std::string& line) {
    const auto end = line.find("] ");
    return line.starts_with('[') && end != std::string::npos ? line.substr(end + 2) : line;
}

// The record lines of the one dialogue block in a log file that was empty.
Lines recordOf(const Lines& log) {
    Lines record;
    for (const auto& line : log) {
        if (line.starts_with('[')) {
            record.push_back(untimed(line));
        }
    }
    return record;
}

TEST(ChatTest, AScriptedChatAnswersLearnsLogsAndEndsAtTheFarewell) {
    CliFolder work;
    const CliRun run = work.run({"chat", "--seed", "5", "--no-remarks"},
                                "привет\nхорошо\n\nты кто?\r\nя Коля\nЯ КОЛЯ\nпока\nещё\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, Lines{});
    // One line for each non-empty line up to the farewell; the last line is never read.
    EXPECT_EQ(run.out, (Lines{"Привет! Как дела?", "Рад за тебя.", "Я программа.", "Понятно.",
                              "Ты это уже говорил.", "До свидания!"}));
    // The unanswered phrase became a reply, a key and the answer to the previous reply.
    EXPECT_EQ(work.lines("Base/W2.Dat"), (Lines{"Понятно.", "Я Коля."}));
    const Lines words = work.lines("Base/Words.dat");
    EXPECT_EQ(Lines(words.end() - 3, words.end()),
              (Lines{"ПОКА.^До свидания!;@", "Я КОЛЯ.^", "Я ПРОГРАММА.^Я Коля.;"}));

    const Lines log = work.lines("Base/Log.Ludvar");
    ASSERT_EQ(log.size(), 20u);
    EXPECT_EQ(Lines(log.begin(), log.begin() + 3), (Lines{"", "", std::string(80, '-')}));
    EXPECT_TRUE(log[3].starts_with("Начало диалога:           Дата - ")) << log[3];
    EXPECT_EQ(log[4], "");
    EXPECT_EQ(recordOf(log),
              (Lines{"USER:     Привет.", "CPU:     Привет! Как дела?", "USER:     Хорошо.",
                     "CPU:     Рад за тебя.", "USER:     Ты кто?", "CPU:     Я программа.",
                     "USER:     Я Коля.", "CPU:     Понятно.", "USER:     Я КОЛЯ.",
                     "CPU:     Ты это уже говорил.", "USER:     Пока.", "CPU:     До свидания!"}));
    EXPECT_EQ(log[17], "");
    EXPECT_TRUE(log[18].starts_with("Конец диалога:           Дата - ")) << log[18];
    EXPECT_EQ(log[19], std::string(53, '='));
}

TEST(ChatTest, TheSameSeedRepeatsARunExactly) {
    const std::string input = "что нового?\nрасскажи о себе\nа ты?\nну ладно\nкак дела?\n";
    CliFolder first;
    CliFolder second;
    const CliRun one = first.run({"chat", "--seed", "42"}, input);
    const CliRun two = second.run({"chat", "--seed", "42"}, input);
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.out.size(), 5u);
    EXPECT_EQ(one.out, two.out);
    EXPECT_EQ(first.lines("Base/Words.dat"), second.lines("Base/Words.dat"));
    EXPECT_EQ(first.lines("Base/W1.Dat"), second.lines("Base/W1.Dat"));
}

// A refused line gets its message and an empty output line, is not a turn,
// leaves no trace in the base or the record, and the dialogue goes on.
TEST(ChatTest, EachKindOfBadLineIsRefusedWithItsLineNumberAndNothingLearnt) {
    const struct {
        std::string line;
        std::string problem;
    } cases[] = {
        {"\xFF\xFEпривет", "line 2: not valid UTF-8 (byte 1)"},
        {"привет \xF0\x9F\x98\x80", "line 2: «\xF0\x9F\x98\x80» (U+1F600) has no Windows-1251"},
        {std::string(256, 'a'), "line 2: longer than 255 characters (256)"},
        {"при^вет", "line 2: holds '^'"},
        {"при\x01вет", "line 2: holds the control character U+0001"},
    };
    for (const auto& bad : cases) {
        CliFolder work;
        const std::string before = work.read("Base/Words.dat") + work.read("Base/W1.Dat") +
                                   work.read("Base/W2.Dat") + work.read("Base/Collection.Dat");
        const CliRun run = work.run({"chat", "--no-remarks"}, "привет\n" + bad.line + "\nхорошо\n");
        EXPECT_EQ(run.status, 1) << bad.problem;
        EXPECT_EQ(run.out, (Lines{"Привет! Как дела?", "", "Рад за тебя."})) << bad.problem;
        ASSERT_EQ(run.err.size(), 1u) << bad.problem;
        EXPECT_TRUE(run.err[0].starts_with(bad.problem)) << run.err[0];
        EXPECT_EQ(work.read("Base/Words.dat") + work.read("Base/W1.Dat") +
                      work.read("Base/W2.Dat") + work.read("Base/Collection.Dat"),
                  before);
        EXPECT_EQ(recordOf(work.lines("Base/Log.Ludvar")).size(), 4u) << bad.problem;
    }
}

TEST(ChatTest, APhraseOfTheLongestLengthIsStillATurn) {
    CliFolder work;
    const CliRun run = work.run({"chat", "--seed", "1"}, std::string(255, 'a') + "\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, Lines{});
    ASSERT_EQ(run.out.size(), 1u);
    EXPECT_FALSE(run.out[0].empty());
}

// A file that cannot be read abandons its turn with the window's message and
// the dialogue goes on; a log file that cannot be written leaves the record
// with the user rather than losing it.
TEST(ChatTest, AKnowledgeBaseFailureAbandonsOnlyItsTurnAndLosesNoRecord) {
    CliFolder work;
    work.remove("Base/W2.Dat");
    work.remove("Base/Log.Ludvar");
    const CliRun run = work.run({"chat", "--no-remarks"}, "совсем новое\nты кто?\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, (Lines{"", "Я программа."}));
    ASSERT_GE(run.err.size(), 3u);
    EXPECT_EQ(Lines(run.err.begin(), run.err.begin() + 3),
              (Lines{"line 1: Cannot open file Base\\W2.Dat.", "Cannot open file Base\\Log.Ludvar.",
                     "The record of this dialogue was not written; here it is:"}));
    EXPECT_EQ(recordOf(run.err),
              (Lines{"USER:     Совсем новое.", "USER:     Ты кто?", "CPU:     Я программа."}));
}

TEST(ChatTest, AMisusedCommandLineIsAUsageError) {
    const Lines misuses[] = {
        {},
        {"talk"},
        {"chat", "--turns", "3"},
        {"chat", "--seed"},
        {"chat", "--seed", "x"},
        {"chat", "--remarks=yes"},
        {"chat", "extra"},
        {"check", "a", "b"},
        {"check", "--no-remarks"},
        {"export"},
        {"import", "a", "b"},
        {"converse", "a"},
        {"converse", "a", "b", "--turns", "0"},
    };
    CliFolder work;
    for (const auto& arguments : misuses) {
        const CliRun run = work.run(arguments);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(arguments);
        ASSERT_FALSE(run.err.empty());
        EXPECT_TRUE(run.err[0].starts_with("orlevan-cli: ")) << run.err[0];
        EXPECT_TRUE(run.err[1].starts_with("usage: ")) << run.err[1];
    }
}

} // namespace
} // namespace orlevan::test
