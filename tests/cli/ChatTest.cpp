#include "CliRun.h"

#include <algorithm>
#include <filesystem>
#include <functional>
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

// A base author sees on standard error which step and line gave each reply;
// the replies themselves are those of a run without it.
TEST(ChatTest, ExplainTellsWhichStepAndLineGaveEachReply) {
    CliFolder work;
    const CliRun run = work.run({"chat", "--seed", "5", "--no-remarks", "--explain"},
                                "привет\nхорошо\nты кто?\nя Коля\nЯ КОЛЯ\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, (Lines{"Привет! Как дела?", "Рад за тебя.", "Я программа.", "Понятно.",
                              "Ты это уже говорил."}));
    EXPECT_EQ(run.err, (Lines{
                           "explain: key pass, Base\\Words.Dat:2, key ПРИВЕТ.",
                           "explain: branch pass, Base\\Words.Dat:3, key _ХОРОШО",
                           "explain: key pass, Base\\Words.Dat:5, key ТЫ КТО?",
                           "explain: fallback (nothing answered), Base\\W2.Dat:1",
                           "explain: screening (a repetition), Base\\Povtor.Dat:1",
                       }));
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

// What the window's error box tells of a damaged file, the terminal tells on
// standard error, once; the dialogue goes on from what could be read, and a
// phrase base saved as UTF-8 is answered from and learnt into as Windows-1251.
TEST(ChatTest, ADamagedFileIsToldOnStandardErrorAndItsOriginalKept) {
    const auto cut = [](const std::string& document) {
        return document.substr(0, document.rfind("\\par"));
    };
    const struct {
        const char* what;
        std::function<void(CliFolder&)> damage;
        const char* told;
    } cases[] = {
        {"utf-8",
         [](CliFolder& work) {
             std::string text;
             for (const std::string& line : work.lines("Base/Words.dat")) {
                 text += line + "\n";
             }
             work.write("Base/Words.dat", text);
         },
         " was saved as UTF-8: it was read as UTF-8 and will be saved as Windows-1251, and "
         "before saving over it the program keeps it as Base\\Words."},
        {"cut short",
         [&](CliFolder& work) {
             work.write("Base/Words.dat", cut(work.folder.read("Base\\Words.dat")));
         },
         " is cut short: only the lines before the cut were read, and before saving over it "
         "the program keeps it as Base\\Words."},
    };
    for (const auto& c : cases) {
        CliFolder work;
        // Saved once by the program, so that the phrase base is a rich-text document.
        ASSERT_EQ(work.run({"chat", "--seed", "3"}, "ты кто?\nя Коля\n").status, 0);
        c.damage(work);
        const CliRun run = work.run({"chat", "--seed", "3"}, "ты кто?\nя Вася\n");
        EXPECT_EQ(run.status, 0) << c.what;
        EXPECT_EQ(run.out.at(0), "Я программа.") << c.what;
        ASSERT_EQ(run.err.size(), 1u) << c.what;
        EXPECT_TRUE(run.err[0].starts_with("File Base\\Words.")) << run.err[0];
        EXPECT_NE(run.err[0].find(c.told), std::string::npos) << run.err[0];

        const Lines after = work.lines("Base/Words.dat");
        for (const char* line :
             {"ТЫ КТО?^Я программа.;", "Я ВАСЯ.^", "Я ПРОГРАММА.^Я Коля.;Я Вася.;"}) {
            EXPECT_NE(std::find(after.begin(), after.end(), line), after.end()) << c.what << line;
        }
        EXPECT_EQ(work.run({"check"}).status, 0) << c.what;
        std::size_t kept = 0;
        for (const auto& entry : std::filesystem::directory_iterator(work.path() / "Base")) {
            const std::string name = entry.path().filename().string();
            kept += name.find(".damaged-") != std::string::npos ||
                            name.find(".utf-8-") != std::string::npos
                        ? 1
                        : 0;
        }
        EXPECT_EQ(kept, 1u) << c.what;
    }
}

// A save killed before its copy took the file's name leaves that copy; the
// next start removes it, and `check` lists it meanwhile.
TEST(ChatTest, AKilledSavesCopyIsListedByCheckAndRemovedAtTheNextStart) {
    CliFolder work;
    work.write("Base/.orlevan-save-Q1w2E3", std::string(100, 'x'));
    const CliRun check = work.run({"check"});
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out.at(0), "Base\\.orlevan-save-Q1w2E3: the copy of a save that was killed "
                               "(100 bytes); the program removes it when it next starts");
    EXPECT_TRUE(std::filesystem::exists(work.path() / "Base/.orlevan-save-Q1w2E3"));
    EXPECT_EQ(work.run({"chat"}, "").status, 0);
    EXPECT_FALSE(std::filesystem::exists(work.path() / "Base/.orlevan-save-Q1w2E3"));
    EXPECT_EQ(work.run({"check"}).status, 0);
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
