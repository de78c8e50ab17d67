#include "platform/format/Rtf.h"

#include "platform/format/ByteSource.h"
#include "platform/format/RtfReader.h"
#include "platform/system/Failure.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace orlevan {
namespace {

using Lines = std::vector<std::string>;
using test::w;
using namespace std::string_view_literals;

std::string fixture(const char* name) {
    return test::readFile(std::string(ORLEVAN_FIXTURES) + "/rtf/" + name);
}

// Every document is also read through the smallest window, fed in pieces of
// one to seven bytes: where the window ends must change nothing.
Lines read(std::string_view document) {
    Lines whole = rtf::readParagraphs(document);
    const std::size_t piece = document.size() % 7 + 1;
    ViewSource source(document, piece);
    LineBuffer streamed;
    rtf::Reader(source, 0, streamed, 16).read();
    EXPECT_EQ(streamed.toStrings(), whole) << "in pieces of " << piece;
    return whole;
}

// What a document written from `lines` reads back as: the lines, then the
// empty text after the last paragraph mark.
Lines withEmptyLast(Lines lines) {
    lines.emplace_back();
    return lines;
}

TEST(RtfDetection, OnlyTheRtfHeaderAtTheFirstByteMakesADocument) {
    EXPECT_TRUE(rtf::looksLikeRtf("{\\rtf1\\ansi text}"));
    EXPECT_TRUE(rtf::looksLikeRtf("{\\rtf"));
    EXPECT_FALSE(rtf::looksLikeRtf(""));
    EXPECT_FALSE(rtf::looksLikeRtf("{\\rt"));
    EXPECT_FALSE(rtf::looksLikeRtf("plain text {\\rtf1}"));
    EXPECT_FALSE(rtf::looksLikeRtf(" {\\rtf1}"));
    EXPECT_FALSE(rtf::looksLikeRtf("\xEF\xBB\xBF{\\rtf1}"));
    EXPECT_FALSE(rtf::looksLikeRtf("{\\RTF1}"));
}

TEST(RtfDetection, BytesWithoutAValidHeaderFailToLoad) {
    for (const std::string_view bytes :
         {"", "plain text", "{\\rt", "{\\rtfx1 text}", " {\\rtf1 text}", "{rtf1}"}) {
        EXPECT_THROW(read(bytes), Failure) << bytes;
    }
    try {
        read("not rtf");
        FAIL();
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), "Failed to Load Stream");
    }
    EXPECT_EQ(read("{\\rtf"), Lines{""});
    EXPECT_EQ(read("{\\rtf{x}}"), Lines{"x"});
}

TEST(RtfEditorDocuments, WordPad1251KnowledgeBase) {
    EXPECT_EQ(read(fixture("wordpad_1251.rtf")),
              (Lines{w("Заголовок базы"), w("КАК ДЕЛА?^Хорошо.;Нормально, а у тебя?;"),
                     w("_НОРМАЛЬНО.^Вот и славно.;"), w("__ДА.^Ну да.;"), "",
                     w("ПОКА.^До встречи!;Пока.;@"), w("ПРИВЕТ.^"), ""}));
}

TEST(RtfEditorDocuments, RichEditWithUnicodeColoursAndFormattingRuns) {
    EXPECT_EQ(read(fixture("richedit_unicode.rtf")),
              (Lines{"Hello, world!", w("Привет, мир!"), w("Caf? €5, — ?snow, smile ?."),
                     w("Привет ёжик"), w("Итог"), ""}));
}

TEST(RtfEditorDocuments, WordWithStylesInfoFieldsListsPicturesAndThemes) {
    EXPECT_EQ(read(fixture("word_1251.rtf")),
              (Lines{w("ПРИВЕТ.^Привет!;Здравствуй.;"),
                     w("ЧТО ТЫ ДЕЛАЕШЬ?^Читаю\u00A0книгу “Война и мир”.;"),
                     w("ПУНКТ СПИСКА^Один — два.;"), w("Caf? я")}));
}

TEST(RtfEditorDocuments, WesternDocumentWithCyrillicAndCentralEuropeanFonts) {
    EXPECT_EQ(
        read(fixture("ansi1252_cyrillic_font.rtf")),
        (Lines{w("Привет"), "Fa?ade ? la carte", w("Да ?нет"), w("да"), w("„?“§"), w("КОНЕЦ")}));
}

TEST(RtfEditorDocuments, MacCyrillicWithBackslashLineEnds) {
    EXPECT_EQ(read(fixture("mac_cyrillic.rtf")),
              (Lines{w("Привет, Ёжик!"), w("Как дела?"), "", w("Всё хорошо.")}));
}

TEST(RtfEditorDocuments, Koi8AndDosCodePages) {
    EXPECT_EQ(read(fixture("koi8_and_dos.rtf")),
              (Lines{w("Привет из КОИ-8"), w("Привет из DOS"), w("Ещё раз DOS"), "??", ""}));
}

TEST(RtfEditorDocuments, LineBreaksTabsAndSymbols) {
    EXPECT_EQ(read(fixture("breaks_and_symbols.rtf")),
              (Lines{w("Первая"), w("вторая"), w("ключ\tзначение\t"),
                     w("a\u00A0b-cd\\e{f}g—–‘’•“”"), ""}));
}

TEST(RtfReading, ParagraphMarksSplitTheText) {
    EXPECT_EQ(read("{\\rtf1 just text}"), Lines{"just text"});
    EXPECT_EQ(read("{\\rtf1 a\\par b}"), (Lines{"a", "b"}));
    EXPECT_EQ(read("{\\rtf1 a\\par b\\par}"), (Lines{"a", "b", ""}));
    EXPECT_EQ(read("{\\rtf1 a\\par\\par}"), (Lines{"a", "", ""}));
    EXPECT_EQ(read("{\\rtf1 a\\\r\nb\\\nc}"), (Lines{"a", "b", "c"}));
    EXPECT_EQ(read("{\\rtf1 \\pard\\intbl a\\cell b\\cell\\row}"), (Lines{"a", "b", ""}));
    // \page and \sect are layout, not line ends.
    EXPECT_EQ(read("{\\rtf1 a\\page\\par b\\sect}"), (Lines{"a", "b"}));
}

TEST(RtfReading, SourceLineEndsAndTheTailAfterTheDocumentAddNothing) {
    EXPECT_EQ(read("{\\rtf1 a\r\nb\rc\nd\\par\r\n}\r\n  \r\n"), (Lines{"abcd", ""}));
    EXPECT_EQ(read("{\\rtf1 a\\par}}} trailing text \\par more"), (Lines{"a", ""}));
    EXPECT_EQ(read("{\\rtf1 a\\par} {\\rtf1 b}"), (Lines{"a", ""}));
}

TEST(RtfReading, ControlWordsEndAtTheirDelimiter) {
    EXPECT_EQ(read("{\\rtf1 \\b bold\\b0  two spaces\\i0-3}"), Lines{"bold two spaces-3"});
    EXPECT_EQ(read("{\\rtf1 \\fs20x\\fs-20y\\tab 5\\tab5z}"), Lines{"xy\t5\tz"});
    EXPECT_EQ(read("{\\rtf1 \\'41\\'4a\\'4A\\'e0}"), Lines{w("AJJа")});
    EXPECT_EQ(read("{\\rtf1 \\'4g\\'zz}"), Lines{"gzz"});
    EXPECT_EQ(read("{\\rtf1 a\\%b\\:c\\|d}"), Lines{"abcd"});
}

TEST(RtfReading, CodePagesFollowFontsGroupsAndTheDocument) {
    // No code page named: 1251, even with \ansi.
    EXPECT_EQ(read("{\\rtf1\\ansi \\'cf\\'f0\\'e8}"), Lines{w("При")});
    EXPECT_EQ(read("{\\rtf1\\ansi\\ansicpg1252 \\'e9}"), Lines{"?"});
    EXPECT_EQ(read("{\\rtf1\\ansi\\ansicpg1253 \\'e1\\'a3}"), Lines{"??"});
    EXPECT_EQ(read("{\\rtf1\\ansi\\ansicpg1254 \\'a7\\'f0}"), Lines{w("§?")});
    EXPECT_EQ(read("{\\rtf1\\ansi\\ansicpg1257 \\'ab\\'e0}"), Lines{w("«?")});
    EXPECT_EQ(read("{\\rtf1\\pc \\'8f\\'e0\\'a8}"), Lines{"???"});
    EXPECT_EQ(read("{\\rtf1\\ansi\\ansicpg866 \\'8f\\'e0\\'a8\\'f1}"), Lines{w("Приё")});
    EXPECT_EQ(read("{\\rtf1\\ansi\\ansicpg20866 \\'f0\\'d2\\'c9\\'a3}"), Lines{w("Приё")});
    EXPECT_EQ(read("{\\rtf1\\ansi\\ansicpg10007 \\'8f\\'f0\\'e8\\'de}"), Lines{w("Приё")});
    EXPECT_EQ(read("{\\rtf1\\ansi\\ansicpg932 \\'cf\\'f0}"), Lines{w("Пр")});
    // Raw 8-bit bytes read like \'hh, in the font's code page.
    EXPECT_EQ(read("{\\rtf1\\ansicpg1252{\\fonttbl{\\f1\\fcharset204 X;}}\xcf{\\f1\xcf}\xcf}"),
              Lines{"?" + w("П") + "?"});
    // A font's \cpg wins over its \fcharset, and an unknown font follows the document.
    EXPECT_EQ(read("{\\rtf1\\ansicpg1252{\\fonttbl{\\f1\\fcharset0\\cpg866 X;}}"
                   "\\f1\\'8f\\f7\\'8f}"),
              Lines{w("П") + "?"});
}

TEST(RtfReading, UnicodeCharactersAndTheirFallbacks) {
    // Held by 1251: the fallback is skipped, \ucN deciding its length.
    EXPECT_EQ(read("{\\rtf1 \\u1055?\\u1088 x}"), Lines{w("Пр")});
    EXPECT_EQ(read("{\\rtf1 \\uc2\\u1055??x\\uc0\\u1088 y}"), Lines{w("Пxрy")});
    EXPECT_EQ(read("{\\rtf1 \\uc3\\u1055\\'cf\\tab\\{x}"), Lines{w("Пx")});
    EXPECT_EQ(read("{\\rtf1 \\u-1-\\u8364\\'88}"), Lines{"-\x88"});
    // \ucN is scoped by groups, and skipping stops at a brace.
    EXPECT_EQ(read("{\\rtf1 {\\uc2 \\u1055ab}\\u1088cd}"), Lines{w("Прd")});
    EXPECT_EQ(read("{\\rtf1 \\uc5\\u1055a{b}c}"), Lines{w("Пbc")});
    // Lacking from 1251: the writer's fallback is read, else '?'.
    EXPECT_EQ(read("{\\rtf1 \\u9731*\\u9731\\'2a x}"), Lines{"** x"});
    EXPECT_EQ(read("{\\rtf1 \\uc0\\u9731 x\\uc1 {\\u9731}y\\u9731}"), Lines{"?x?y?"});
    EXPECT_EQ(read("{\\rtf1 \\uc2\\u9731ab}"), Lines{"ab"});
    // A surrogate pair is one character.
    EXPECT_EQ(read("{\\rtf1 \\u-10179?\\u-8704?!}"), Lines{"?!"});
    EXPECT_EQ(read("{\\rtf1 \\uc0\\u-10179\\u-8704!}"), Lines{"?!"});
    EXPECT_EQ(read("{\\rtf1 \\uc0\\u-8704\\u-10179!}"), Lines{"??"
                                                              "!"});
}

TEST(RtfReading, DestinationsThatAreNotTextAreSkipped) {
    EXPECT_EQ(read("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}{\\stylesheet{Normal;}}"
                   "{\\info{\\title T}}{\\*\\generator G;}{\\*\\unknown{nested}text}"
                   "{\\header H\\par}{\\footer F}{\\pict 0a1b}{\\object{\\*\\objdata 00}}"
                   "{\\footnote N}{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}text}"),
              Lines{"7text"});
    // \* only marks a group as skippable; at the outer level it is ignored.
    EXPECT_EQ(read("{\\rtf1\\*a{\\*\\x b}c}"), Lines{"ac"});
    // Binary data may hold any byte, braces and backslashes included.
    EXPECT_EQ(read("{\\rtf1 a{\\pict\\bin5 }{\\\0}}b\\bin3 xyzc}"sv), Lines{"abc"});
    // and run on past any window a streamed document is read through.
    EXPECT_EQ(read("{\\rtf1 a\\bin40 " + std::string(20, '}') + std::string(20, '\\') + "b}"),
              Lines{"ab"});
}

TEST(RtfWriter, WritesA1251DocumentWithOneParagraphPerLine) {
    const std::string document = rtf::writeDocument({w("Привет"), "a{b}\\c\td"});
    EXPECT_TRUE(document.starts_with("{\\rtf1\\ansi\\ansicpg1251\\deff0"));
    EXPECT_NE(document.find("\\fcharset204"), std::string::npos);
    // Letters beyond ASCII stand as their own bytes, one per letter.
    EXPECT_NE(document.find(w("Привет") + "\\par\r\n"), std::string::npos);
    EXPECT_NE(document.find("a\\{b\\}\\\\c\\tab d\\par\r\n}"), std::string::npos);
    EXPECT_TRUE(rtf::looksLikeRtf(document));
    EXPECT_EQ(read(document), withEmptyLast({w("Привет"), "a{b}\\c\td"}));
}

TEST(RtfWriter, EveryByteValueSurvivesTheRoundTrip) {
    std::string allBytes;
    Lines oneBytePerLine;
    for (int c = 0; c < 256; ++c) {
        allBytes += static_cast<char>(c);
        oneBytePerLine.emplace_back(1, static_cast<char>(c));
    }
    const Lines lines = {allBytes, allBytes + allBytes};
    EXPECT_EQ(read(rtf::writeDocument(lines)), withEmptyLast(lines));
    EXPECT_EQ(read(rtf::writeDocument(oneBytePerLine)), withEmptyLast(oneBytePerLine));
    // Control bytes never appear raw in the document but in its own line ends.
    const std::string document = rtf::writeDocument({allBytes});
    for (const char c : document) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE((byte >= 0x20 && byte != 0x7F) || byte == '\r' || byte == '\n') << int{byte};
    }
}

TEST(RtfWriter, AwkwardLinesSurviveTheRoundTrip) {
    const Lines awkward = {"",
                           " leading and trailing spaces ",
                           "\\par",
                           "{\\rtf1 a}",
                           "}",
                           "{",
                           "\\",
                           "\\'e0",
                           "\\u1055?",
                           "\r\n",
                           "\\\r\n",
                           "\t1\t \t  \t",
                           "123",
                           "-5",
                           std::string(3, '\0'),
                           w("КАК ДЕЛА?^Хорошо.;@"),
                           ""};
    EXPECT_EQ(read(rtf::writeDocument(awkward)), withEmptyLast(awkward));
    EXPECT_EQ(read(rtf::writeDocument({})), Lines{""});

    std::string longLine;
    for (int i = 0; i < 100'000; ++i) {
        longLine += static_cast<char>(i % 7 == 0 ? '{' : 0xC0 + i % 64);
    }
    EXPECT_EQ(read(rtf::writeDocument({longLine, "x"})), withEmptyLast({longLine, "x"}));
}

TEST(RtfHostileInput, UnbalancedBracesAndCutOffDocuments) {
    EXPECT_EQ(read("{\\rtf1 a\\par b"), (Lines{"a", "b"}));
    EXPECT_EQ(read("{\\rtf1 a{{{\\b b"), Lines{"ab"});
    EXPECT_EQ(read("{\\rtf1 a}}}}b"), Lines{"a"});
    EXPECT_EQ(read("{\\rtf1 a\\'e"), Lines{"a"});
    EXPECT_EQ(read("{\\rtf1 a\\'"), Lines{"a"});
    EXPECT_EQ(read("{\\rtf1 a\\"), Lines{"a"});
    EXPECT_EQ(read("{\\rtf1 a\\pa"), Lines{"a"});
    EXPECT_EQ(read("{\\rtf1 a\\u1055"), Lines{w("aП")});
    EXPECT_EQ(read("{\\rtf1 a\\bin99"), Lines{"a"});

    // Every prefix of a real document reads without failing, and grows to the whole text.
    const std::string document = fixture("word_1251.rtf");
    for (std::size_t length = 5; length < document.size(); ++length) {
        EXPECT_NO_THROW(read(std::string_view(document).substr(0, length))) << length;
    }
}

TEST(RtfHostileInput, DeepNestingCostsNeitherStackNorMemory) {
    constexpr std::size_t depth = 1'000'000;
    const std::string document =
        "{\\rtf1 a" + std::string(depth, '{') + "b" + std::string(depth, '}') + "c\\par d}";
    EXPECT_EQ(read(document), (Lines{"abc", "d"}));
    // Groups beyond the tracked depth still scope the formatting of tracked ones.
    const std::string skipped =
        "{\\rtf1 a{\\*\\x " + std::string(depth, '{') + "b" + std::string(depth, '}') + "}c}";
    EXPECT_EQ(read(skipped), Lines{"ac"});
    EXPECT_EQ(read("{\\rtf1 x" + std::string(depth, '{')), Lines{"x"});
}

TEST(RtfHostileInput, HugeNumbersAndLongWordsAreClamped) {
    EXPECT_EQ(read("{\\rtf1 a{\\pict\\bin99999999999999999999 }}}"), Lines{"a"});
    EXPECT_EQ(read("{\\rtf1 a\\bin-5 b}"), Lines{"ab"});
    EXPECT_EQ(read("{\\rtf1 \\uc2147483648\\u1055 abc{d}e}"), Lines{w("Пde")});
    EXPECT_EQ(read("{\\rtf1 \\uc-3\\u1055 x}"), Lines{w("Пx")});
    EXPECT_EQ(read("{\\rtf1 \\uc0\\u99999999999999999999999999 x\\u-99999 y}"), Lines{"?x?y"});
    EXPECT_EQ(read("{\\rtf1 \\fs" + std::string(10'000, '9') + " x\\f" + std::string(10'000, '9') +
                   " \\'cf}"),
              Lines{w("xП")});
    EXPECT_EQ(read("{\\rtf1 a\\" + std::string(100'000, 'p') + "ar b\\" + std::string(33, 'x') +
                   "\\par c}"),
              (Lines{"ab", "c"}));
    EXPECT_EQ(read("{\\rtf1 a\\ansicpg-1252\\deff99999999999 \\'cf}"), Lines{w("aП")});
}

TEST(RtfHostileInput, BinaryGarbageReadsAndItsTextRoundTrips) {
    // Garbage weighted towards the bytes that mean something to the reader.
    constexpr std::string_view syntax = "\\{}'*\r\n0123456789-abcdefuparbintl ?";
    std::mt19937 generator(20'260'308);
    std::uniform_int_distribution<int> length(0, 400);
    std::uniform_int_distribution<int> anyByte(0, 255);
    std::uniform_int_distribution<std::size_t> syntaxByte(0, syntax.size() - 1);
    for (int round = 0; round < 3000; ++round) {
        std::string document = "{\\rtf1 ";
        for (int i = length(generator); i > 0; --i) {
            document += anyByte(generator) < 96 ? static_cast<char>(anyByte(generator))
                                                : syntax[syntaxByte(generator)];
        }
        const Lines lines = read(document);
        ASSERT_FALSE(lines.empty());
        ASSERT_EQ(read(rtf::writeDocument(lines)), withEmptyLast(lines)) << document;
    }
}

} // namespace
} // namespace orlevan
