#include "platform/format/Cp1251.h"

#include "platform/format/Casing.h"
#include "support/TestSupport.h"

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
    EXPECT_EQ(cp1251::toUtf8("\xA3\xBC\xBD\xBE\xB2\xB3"), "ЈјЅѕІі");
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

TEST(Casing, ChangesEveryLetterOfTheCodePageWithTwoCasesAndNothingElse) {
    // Each small letter above its capital, in the same order.
    const std::string small = w("abcdefghijklmnopqrstuvwxyz"
                                "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"
                                "ђѓљњќћџўјґєїіѕ");
    const std::string capital = w("ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                  "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
                                  "ЂЃЉЊЌЋЏЎЈҐЄЇІЅ");
    ASSERT_EQ(small.size(), 26u + 33u + 14u);
    ASSERT_EQ(capital.size(), small.size());
    for (std::size_t i = 0; i < small.size(); ++i) {
        EXPECT_EQ(casing::upper(small[i]), capital[i]) << "letter " << i;
        EXPECT_EQ(casing::lower(capital[i]), small[i]) << "letter " << i;
        EXPECT_EQ(casing::upper(capital[i]), capital[i]) << "letter " << i;
        EXPECT_EQ(casing::lower(small[i]), small[i]) << "letter " << i;
    }
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (small.find(c) == std::string::npos && capital.find(c) == std::string::npos) {
            EXPECT_EQ(casing::upper(c), c) << "byte " << b;
            EXPECT_EQ(casing::lower(c), c) << "byte " << b;
        }
    }
    // µ has no capital in the code page; digits and signs have no case.
    EXPECT_EQ(casing::upper(w("Ёжик, hello 42 ў і µ")), w("ЁЖИК, HELLO 42 Ў І µ"));
    EXPECT_EQ(casing::lower(w("ЁЖИК, HELLO Ў Ї Ґ")), w("ёжик, hello ў ї ґ"));
}

} // namespace
} // namespace orlevan
