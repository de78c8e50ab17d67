#include "engine/Normalise.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;

std::string normalised(std::string phrase) {
    normalise(phrase);
    return phrase;
}

TEST(Normalise, CapitalisesARussianFirstLetterOnly) {
    EXPECT_EQ(normalised(w("привет")), w("Привет."));
    EXPECT_EQ(normalised(w("ёж")), w("Ёж."));
    EXPECT_EQ(normalised(w("яблоко и груша")), w("Яблоко и груша."));
    EXPECT_EQ(normalised("hello"), "hello.");
    EXPECT_EQ(normalised(w(" привет")), w(" привет."));
    EXPECT_EQ(normalised(w("1 апреля")), w("1 апреля."));
    EXPECT_EQ(normalised(w("а")), w("А."));
}

TEST(Normalise, EndsThePhraseAsASentence) {
    EXPECT_EQ(normalised(w("как дела?")), w("Как дела?"));
    EXPECT_EQ(normalised(w("ну,")), w("Ну."));
    EXPECT_EQ(normalised(w("Ну,,")), w("Ну,."));
    EXPECT_EQ(normalised(w("Да?!")), w("Да?!"));
    EXPECT_EQ(normalised(w("Ну...")), w("Ну..."));
    EXPECT_EQ(normalised(w("Привет ")), w("Привет ."));
    EXPECT_EQ(normalised(w("(смеётся)")), w("(смеётся)."));
    EXPECT_EQ(normalised(","), ".");
    EXPECT_EQ(normalised(""), "");
}

TEST(Normalise, AFullInputLineGrowsByOneCharacter) {
    const std::string full(255, '\xE0');
    const std::string result = normalised(full);
    EXPECT_EQ(result.size(), 256u);
    EXPECT_EQ(result.front(), '\xC0');
    EXPECT_EQ(result.back(), '.');
}

TEST(LogLine, StampsTheSpeakerAndTheTime) {
    EXPECT_EQ(logLine("14:05:09", kUserLabel, w("Привет.")), w("[14:05:09] USER:     Привет."));
    EXPECT_EQ(logLine("9:01:02 PM", kCpuLabel, "Hi."), "[9:01:02 PM] CPU:     Hi.");
}

} // namespace
} // namespace orlevan
