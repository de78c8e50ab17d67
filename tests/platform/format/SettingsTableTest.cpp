#include "platform/format/SettingsTable.h"

#include "platform/system/Failure.h"
#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::failureOf;
using test::ScratchFolder;
using test::w;

TEST(SettingsTable, ReadsRowsByNumberAndValuesAfterTheFirstEquals) {
    ScratchFolder scratch;
    scratch.write("Config.ini", "A=1\r\nNoEquals\r\nFormula=a=b \r\n=empty key\n");
    SettingsTable table;
    table.load(Folder(scratch.path()));
    EXPECT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.value(1), "1");
    EXPECT_EQ(table.value(2), "NoEquals");
    EXPECT_EQ(table.value(3), "a=b ");
    EXPECT_EQ(table.value(4), "empty key");
    EXPECT_EQ(failureOf([&] { table.value(5); }),
              w("List index out of bounds (4) — Config.ini, row 5"));
    EXPECT_EQ(failureOf([&] { table.integer(3); }),
              w("'a=b ' is not a valid integer value — Config.ini, row 3"));
}

TEST(SettingsTable, SavesEveryRowBackInOrderWithItsKey) {
    ScratchFolder scratch;
    const Folder folder(scratch.path());
    scratch.write("Config.ini", "Intro=Yes\nComment\nAdres=D:\\Txt.Dat\nRepeat=Yes\n");
    SettingsTable table;
    table.load(folder);
    table.setValue(4, "No");
    table.setValueByKey("ADRES", "/tmp/shared.txt");
    table.setValueByKey("Extra", "1");
    table.save(folder);
    EXPECT_EQ(scratch.read("Config.ini"),
              "Intro=Yes\r\nComment\r\nAdres=/tmp/shared.txt\r\nRepeat=No\r\nExtra=1\r\n");
}

TEST(SettingsTable, AMissingFileIsReportedByName) {
    ScratchFolder scratch;
    SettingsTable table;
    EXPECT_EQ(failureOf([&] { table.load(Folder(scratch.path())); }),
              "Cannot open file Config.ini");
}

TEST(ParseInteger, TakesDecimalAndHexadecimalAndNothingElse) {
    EXPECT_EQ(parseInteger("12632256"), 12632256);
    EXPECT_EQ(parseInteger("$C0C0C0"), 12632256);
    EXPECT_EQ(parseInteger("0xc0c0c0"), 12632256);
    EXPECT_EQ(parseInteger("  -16"), -16);
    EXPECT_EQ(parseInteger("+8"), 8);
    EXPECT_EQ(parseInteger("$FF000005"), static_cast<int>(0xFF000005u));
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad :
         {"", " ", "12 ", "1e3", "0x", "$", "abc", "2147483648", "$100000000", "--1"}) {
        EXPECT_EQ(failureOf([&] { parseInteger(bad); }),
                  std::string("'") + bad + "' is not a valid integer value");
    }
}

TEST(FontStyles, MatchIgnoringCaseButNotBlanksOrOrder) {
    const auto styleOf = [](const char* text) {
        const auto style = fontStyleOf(text);
        return style ? std::optional(std::pair(style->bold, style->italic)) : std::nullopt;
    };
    EXPECT_EQ(styleOf("[FSBOLD]"), std::pair(true, false));
    EXPECT_EQ(styleOf("[fsbold]"), std::pair(true, false));
    EXPECT_EQ(styleOf("[fsItalic]"), std::pair(false, true));
    EXPECT_EQ(styleOf("[fsBold,fsItalic]"), std::pair(true, true));
    EXPECT_EQ(styleOf("[]"), std::pair(false, false));
    for (const char* other : {"[fsBold, fsItalic]", "[fsItalic,fsBold]", "anything", ""}) {
        EXPECT_FALSE(styleOf(other)) << other;
    }
}

} // namespace
} // namespace orlevan
