#include "input/LayoutConversion.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;

TEST(LayoutConversion, SeventySourcesBecomeTheirRussianKeysAndNothingElseChanges) {
    // Each source above its target: the letter rows, then the shifted signs of the digit row.
    const std::string sources = "`~qQwWeErRtTyYuUiIoOpP[{]}aAsSdDfFgGhHjJkKlL;:\"zZxXcCvVbBnNmM<>/"
                                "@#$^&|";
    const std::string targets = w("ёЁйЙцЦуУкКеЕнНгГшШщЩзЗхХъЪфФыЫвВаАпПрРоОлЛдДжЖЭяЯчЧсСмМиИтТьЬбю."
                                  "\"№;:?/");
    ASSERT_EQ(sources.size(), 70u);
    ASSERT_EQ(targets.size(), sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i) {
        EXPECT_EQ(layout::toRussian(sources[i]), targets[i]) << "source " << sources[i];
    }
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (sources.find(c) == std::string::npos) {
            EXPECT_EQ(layout::toRussian(c), c) << "byte " << b;
        }
    }
}

TEST(LayoutConversion, WordsTypedInTheLatinLayoutAndTheSignsAroundThem) {
    const struct {
        const char* typed;
        const char* converted;
    } examples[] = {
        {"ghbdtn", "привет"},
        {"Ghbdtn", "Привет"},
        {"rfr ltkf?", "как дела?"},
        {"<elen", "будут"},
        {",.?'", ",.?'"},
        {"@#$^&", "\"№;:?"},
        {"/|", "./"},
        {"0123456789 !%*()-_=+\\", "0123456789 !%*()-_=+\\"},
        {"уже по-русски", "уже по-русски"},
        {"ghb 'nj ltkf", "при 'то дела"},
        {"Ёж ye b [jhjij", "Ёж ну и хорошо"},
    };
    for (const auto& example : examples) {
        EXPECT_EQ(layout::toRussian(w(example.typed)), w(example.converted)) << example.typed;
    }
}

TEST(LayoutConversion, ASecondPressChangesOnlyTargetsThatAreSourcesThemselves) {
    const std::string once = layout::toRussian(w("$^@/|ghbdtn"));
    EXPECT_EQ(once, w(";:\"./привет"));
    EXPECT_EQ(layout::toRussian(once), w("жЖЭ..привет"));
}

} // namespace
} // namespace orlevan
