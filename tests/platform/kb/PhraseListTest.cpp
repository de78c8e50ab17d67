#include "platform/kb/PhraseList.h"

#include "platform/kb/TextFile.h"
#include "platform/system/Failure.h"
#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::ScratchFolder;
using test::w;
using Lines = std::vector<std::string>;

TEST(PhraseList, OneEmptyLastLineIsNotCounted) {
    for (const char* text : {"a\r\nb", "a\r\nb\r\n", "a\nb\n", "a\rb", "a\rb\r"}) {
        const auto list = PhraseList::fromBytes(text);
        EXPECT_EQ(list.lines(), (Lines{"a", "b"})) << text;
        EXPECT_EQ(list.line(2), "");
        EXPECT_EQ(list.line(-1), "");
    }
    EXPECT_EQ(PhraseList::fromBytes("a\r\n\r\n").lines(), (Lines{"a", ""}));
    EXPECT_EQ(PhraseList::fromBytes("\r\n").lines(), (Lines{""}));
    EXPECT_EQ(PhraseList::fromBytes("a\n\rb").lines(), (Lines{"a", "", "b"}));
}

TEST(PhraseList, AnEmptyFileHasNoLinesAndItsRandomLineIsEmpty) {
    const auto list = PhraseList::fromBytes("");
    EXPECT_EQ(list.count(), 0);
    test::ScriptedRandom random;
    random.draws = {5};
    EXPECT_EQ(list.randomLine(random), "");
}

TEST(PhraseList, ARandomLineIsTheDrawnOne) {
    const auto list = PhraseList::fromBytes("zero\r\none\r\ntwo\r\n");
    test::ScriptedRandom random;
    random.draws = {0, 2, 1};
    EXPECT_EQ(list.randomLine(random), "zero");
    EXPECT_EQ(list.randomLine(random), "two");
    EXPECT_EQ(list.randomLine(random), "one");
}

TEST(PhraseList, RemovingALineMovesTheRestUpAndRefusesABadIndex) {
    PhraseList list(Lines{"a", "b", "c"});
    list.remove(1);
    EXPECT_EQ(list.lines(), (Lines{"a", "c"}));
    EXPECT_EQ(test::failureOf([&] { list.remove(2); }), "List index out of bounds (2)");
    EXPECT_EQ(list.lines(), (Lines{"a", "c"}));
}

TEST(PhraseList, PlainTextAndRichTextWithTheSameParagraphsLoadAlike) {
    const Lines lines{w("КАК ДЕЛА?^Хорошо.;Нормально, а у тебя?;"), w("_НОРМАЛЬНО.^Вот и славно.;"),
                      "", w("ПОКА.^До встречи!;Пока.;@")};
    std::string plain;
    for (const auto& line : lines) {
        plain += line + "\r\n";
    }
    const PhraseList rich(lines);
    EXPECT_EQ(PhraseList::fromBytes(rich.toBytes()).lines(), lines);
    EXPECT_EQ(PhraseList::fromBytes(plain).lines(), lines);
    EXPECT_NE(rich.toBytes(), plain);
}

TEST(PhraseList, SavedLinesComeBackWholeWhateverTheyHold) {
    ScratchFolder scratch;
    const Folder folder(scratch.path());
    std::string everyByte;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            everyByte += static_cast<char>(b);
        }
    }
    const Lines lines{std::string(100'000, 'x') + w("конец"),
                      "{\\rtf1 not a header}",
                      everyByte,
                      "",
                      "\\par",
                      "    spaces    "};
    PhraseList(lines).save(folder, "Base.dat");
    PhraseList loaded;
    loaded.load(folder, "BASE.DAT");
    EXPECT_EQ(loaded.lines(), lines);
}

TEST(PhraseList, AFailedLoadKeepsWhatTheListHeld) {
    ScratchFolder scratch;
    PhraseList list(Lines{"kept"});
    EXPECT_THROW(list.load(Folder(scratch.path()), "Base\\Pause.Dat"), Failure);
    EXPECT_EQ(list.lines(), Lines{"kept"});
}

// A rich-text file read or written once is not read again while its bytes
// stay the same; any change to them, even one that keeps the size, is seen.
TEST(PhraseList, AChangeMadeByHandIsSeenAtTheNextLoad) {
    ScratchFolder scratch;
    const Folder folder(scratch.path());
    PhraseList list(Lines{"first", "second"});
    list.save(folder, "Base.dat");
    PhraseList loaded;
    loaded.load(folder, "Base.dat");
    EXPECT_EQ(loaded.lines(), (Lines{"first", "second"}));

    std::string bytes = scratch.read("Base.dat");
    bytes.replace(bytes.find("first"), 5, "FIRST");
    scratch.write("Base.dat", bytes);
    loaded.load(folder, "Base.dat");
    EXPECT_EQ(loaded.lines(), (Lines{"FIRST", "second"}));

    scratch.write("Base.dat", "plain\r\ntext\r\n");
    loaded.load(folder, "Base.dat");
    EXPECT_EQ(loaded.lines(), (Lines{"plain", "text"}));
    scratch.write("Base.dat", bytes);
    loaded.load(Folder(scratch.path()), "Base.dat");
    EXPECT_EQ(loaded.lines(), (Lines{"FIRST", "second"}));
}

// A document is read a window at a time; what follows its end, however
// long, is no line, and a change there is still a change to the file.
TEST(PhraseList, TheTailAfterADocumentIsNoLineButPartOfTheFile) {
    ScratchFolder scratch;
    const Folder folder(scratch.path());
    const std::string document = PhraseList(Lines{"a", "b"}).toBytes();
    const std::string tail(3 * 1024 * 1024, 'x');
    scratch.write("Base.dat", document + tail);
    PhraseList list;
    list.load(folder, "Base.dat");
    EXPECT_EQ(list.lines(), (Lines{"a", "b"}));

    scratch.write("Base.dat", document + tail + "}");
    list.load(folder, "Base.dat");
    EXPECT_EQ(list.lines(), (Lines{"a", "b"}));
    scratch.write("Base.dat", "plain\r\n" + tail);
    list.load(folder, "Base.dat");
    EXPECT_EQ(list.lines(), (Lines{"plain", tail}));
}

// Lines made by the list, read from plain text and read from a document
// are kept apart from the lines edited later; every mix reads right.
TEST(PhraseList, EditsKeepEveryOtherLine) {
    const Lines start{"a", "b", "c"};
    for (PhraseList list : {PhraseList(start), PhraseList::fromBytes("a\r\nb\r\nc\r\n"),
                            PhraseList::fromBytes(PhraseList(start).toBytes())}) {
        list.replace(1, std::string(1000, 'x'));
        list.append("d");
        list.remove(0);
        list.append("e");
        list.replace(2, "D");
        EXPECT_EQ(list.lines(), (Lines{std::string(1000, 'x'), "c", "D", "e"}));
        EXPECT_THROW(list.replace(4, "f"), Failure);
        EXPECT_EQ(PhraseList::fromBytes(list.toBytes()).lines(), list.lines());
    }
}

TEST(TextFile, ReadsAnyLineEndsAndWritesCrLf) {
    ScratchFolder scratch;
    const Folder folder(scratch.path());
    scratch.write("Config.ini", "A=1\nB=2\r\nC=3\rD=4");
    const auto lines = readTextFile(folder, "config.INI");
    EXPECT_EQ(lines, (Lines{"A=1", "B=2", "C=3", "D=4"}));
    writeTextFile(folder, "Config.ini", lines);
    EXPECT_EQ(scratch.read("Config.ini"), "A=1\r\nB=2\r\nC=3\r\nD=4\r\n");
}

} // namespace
} // namespace orlevan
