#include "input/ReservedGuard.h"

#include <gtest/gtest.h>
#include <string>

namespace orlevan {
namespace {

// Ticks until the scan finds a reserved character; the number of ticks, or 0.
int ticksToFind(const std::string& text, int& position, int atMost) {
    for (int tick = 1; tick <= atMost; ++tick) {
        if (guard::scanTick(text, position)) {
            return tick;
        }
        EXPECT_LE(position, static_cast<int>(text.size()));
    }
    return 0;
}

TEST(ReservedGuard, FindsEachReservedCharacterAnywhereWithinNTicks) {
    for (const char reserved : guard::kReserved) {
        for (int length = 1; length <= 6; ++length) {
            for (int at = 0; at < length; ++at) {
                std::string text(static_cast<std::size_t>(length), 'a');
                text[static_cast<std::size_t>(at)] = reserved;
                // Wherever the scan stands when the character is typed.
                for (int start = 0; start <= length; ++start) {
                    int position = start;
                    const int ticks = ticksToFind(text, position, length);
                    EXPECT_GT(ticks, 0) << text << " from " << start;
                    EXPECT_EQ(position, at + 1) << "the find keeps its place";
                }
            }
        }
    }
}

TEST(ReservedGuard, ATextWithoutThemIsScannedRoundAndRound) {
    const std::string text = "abc";
    int position = 0;
    std::string seen;
    for (int tick = 0; tick < 7; ++tick) {
        EXPECT_FALSE(guard::scanTick(text, position));
        seen += std::to_string(position);
    }
    EXPECT_EQ(seen, "1201201");
    for (const char other : std::string("!?.,:'\"$#&*-+=/\\|<>`~ \xE0\xFF")) {
        int p = 0;
        EXPECT_FALSE(guard::scanTick(std::string(1, other), p)) << other;
    }
}

TEST(ReservedGuard, AnEmptyTextLeavesThePositionAlone) {
    int position = 4;
    EXPECT_FALSE(guard::scanTick("", position));
    EXPECT_EQ(position, 4);
}

TEST(ReservedGuard, AShorterTextIsScannedAgainFromItsStart) {
    // The scan stood at 9 in a long text; the line was cut to "x^" and "^x".
    int position = 9;
    EXPECT_FALSE(guard::scanTick("x^", position));
    EXPECT_EQ(position, 1);
    EXPECT_TRUE(guard::scanTick("x^", position));
    EXPECT_EQ(position, 2);
    // Cleared at position 2 by the find and typed anew, one character long.
    EXPECT_TRUE(guard::scanTick("@", position));
    EXPECT_EQ(position, 1);
    position = 3;
    EXPECT_FALSE(guard::scanTick("abc", position)); // exactly at the end: starts over
    EXPECT_EQ(position, 1);
}

} // namespace
} // namespace orlevan
