#include "Cp1251.h"

#include "Casing.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;

TEST(Cp1251, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(cp1251::fromUtf8Exactly(cp1251::toUtf8(all)), all);
}

TEST(Cp1251, MapsTheCyrillicAlphabetAndTheSignsAroundIt) {
    EXPECT_EQ(cp1251::toUtf8("\xC0\xDF\xE0\xFF\xA8\xB8"), "АЯаяЁё");
    EXPECT_EQ(cp1251::toUtf8("\xB9\x88\x96\x97\xAB\xBB\x85"), "№€–—«»…");
    EXPECT_EQ(w("Привет, мир!"), "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0!");
}

TEST(Cp1251, CharactersTheCodePageLacksAreRefusedOrReplaced) {
    EXPECT_FALSE(cp1251::fromUtf8Exactly("日本"));
    EXPECT_FALSE(cp1251::fromUtf8Exactly("smile \xF0\x9F\x98\x80"));
    EXPECT_EQ(cp1251::fromUtf8("да 日 \xF0\x9F\x98\x80!"), w("да ? ?!"));
    // Malformed UTF-8: a stray continuation byte, a cut-off sequence, an overlong form.
    EXPECT_FALSE(cp1251::fromUtf8Exactly("\x80"));
    EXPECT_EQ(cp1251::fromUtf8("a\xD0"), "a?");
    EXPECT_EQ(cp1251::fromUtf8("\xC0\xAF"), "?");
    EXPECT_EQ(cp1251::fromUnicode(0x0401), 0xA8);
    EXPECT_FALSE(cp1251::fromUnicode(0x04E8)); // Ө is Cyrillic but not in the code page
}

TEST(Casing, ChangesRussianAndLatinLettersAndNothingElse) {
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        char upper = c;
        char lower = c;
        if ((b >= 'a' && b <= 'z') || b >= 0xE0) {
            upper = static_cast<char>(b - 0x20);
        } else if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDF)) {
            lower = static_cast<char>(b + 0x20);
        } else if (b == 0xB8) {
            upper = static_cast<char>(0xA8);
        } else if (b == 0xA8) {
            lower = static_cast<char>(0xB8);
        }
        EXPECT_EQ(casing::upper(c), upper) << "byte " << b;
        EXPECT_EQ(casing::lower(c), lower) << "byte " << b;
    }
    // Belarusian and Ukrainian letters of the code page stay as they are.
    EXPECT_EQ(casing::upper(w("Ёжик, hello 42 ў і")), w("ЁЖИК, HELLO 42 ў і"));
    EXPECT_EQ(casing::lower(w("ЁЖИК, HELLO Ў І")), w("ёжик, hello Ў І"));
}

} // namespace
} // namespace orlevan
