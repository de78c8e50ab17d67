#include "CliRun.h"

#include <gtest/gtest.h>

namespace orlevan::test {
namespace {

using Lines = std::vector<std::string>;

std::string joined(const Lines& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\n";
    }
    return text;
}

TEST(ExportImportTest, ARoundTripLeavesEveryFileItsLines) {
    CliFolder work;
    // A chat that learns leaves the phrase base and W2.Dat as rich text;
    // W1.Dat stays as the plain text it was made.
    ASSERT_EQ(work.run({"chat", "--seed", "3"}, "ты кто?\nя Коля\n").status, 0);
    for (const char* name : {"Base/Words.dat", "Base\\W2.Dat", "base/w1.dat"}) {
        const Lines before = work.lines(name);
        const CliRun exported = work.run({"export", name});
        EXPECT_EQ(exported.status, 0) << name;
        EXPECT_EQ(exported.out, before) << name;
        const CliRun imported = work.run({"import", name}, joined(exported.out));
        EXPECT_EQ(imported.status, 0) << name;
        EXPECT_EQ(imported.err, Lines{}) << name;
        EXPECT_EQ(work.lines(name), before) << name;
        // Saved as the program saves: a rich-text document.
        EXPECT_TRUE(work.folder.read(name).starts_with("{\\rtf")) << name;
    }
}

TEST(ExportImportTest, AFileFromAWindowsEditorImportsWithoutItsMarkAndLineEnds) {
    CliFolder work;
    ASSERT_EQ(work.run({"import", "Base/Pause.Dat"}, "\xEF\xBB\xBFТы здесь?\r\nАу!\r\n").status, 0);
    EXPECT_EQ(work.lines("Base/Pause.Dat"), (Lines{"Ты здесь?", "Ау!"}));
}

TEST(ExportImportTest, NothingIsWrittenUnlessEveryLinePasses) {
    const struct {
        std::string file;
        std::string input;
        Lines problems;
    } cases[] = {
        {"Base/Words.dat",
         "Заголовок\nПРИВЕТ.^Привет!;\nПОКА без крышки\nЧАЙ?^Да, \xE2\x98\x95;\n",
         {"line 3: no '^' after the key", "line 4: «☕» (U+2615) has no Windows-1251 character"}},
        {"Base/Words.dat", "", {"no header line: the phrase base starts on the second line"}},
        {"Base/W1.Dat", "Хорошо\n\xC0\n", {"line 2: not valid UTF-8 (byte 1)"}},
        {"Base/Words.dat",
         std::string("Заголовок\nПРИВЕТ.^При") + '\0' + "вет!;\nПОКА.^Пока\t!;\n",
         {"line 2: holds the control character U+0000",
          "line 3: holds the control character U+0009"}},
        {"Base/W2.Dat", std::string("Да\x7F\n"), {"line 1: holds the control character U+007F"}},
    };
    for (const auto& refused : cases) {
        CliFolder work;
        const std::string before = work.read(refused.file);
        const CliRun run = work.run({"import", refused.file}, refused.input);
        EXPECT_EQ(run.status, 1) << refused.input;
        Lines expected = refused.problems;
        expected.push_back("Nothing was written: " + refused.file + " keeps its lines.");
        EXPECT_EQ(run.err, expected);
        EXPECT_EQ(work.read(refused.file), before);
    }
}

TEST(ExportImportTest, AFileThatIsNotThereIsNeitherReadNorMade) {
    CliFolder work;
    const CliRun exported = work.run({"export", "Base\\Nope.Dat"});
    EXPECT_EQ(exported.status, 1);
    EXPECT_EQ(exported.err, Lines{"Cannot open file Base\\Nope.Dat."});
    const CliRun imported = work.run({"import", "Base\\Nope.Dat"}, "Привет\n");
    EXPECT_EQ(imported.status, 1);
    EXPECT_EQ(imported.err, Lines{"Cannot open file Base\\Nope.Dat."});
    EXPECT_FALSE(work.folder.find(w("Base\\Nope.Dat")));
}

} // namespace
} // namespace orlevan::test
