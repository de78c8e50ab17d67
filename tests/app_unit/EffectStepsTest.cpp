#include "app/EffectSteps.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

TEST(IntroSwitch, OnlyNoInAnyCaseSwitchesItOff) {
    for (const char* off : {"NO", "no", "No", "nO"}) {
        EXPECT_TRUE(introSwitchedOff(off)) << off;
    }
    for (const char* on : {"NO ", " no", "Yes", "", "NON", "N0"}) {
        EXPECT_FALSE(introSwitchedOff(on)) << on;
    }
}

TEST(IntroMoves, StayWithinTheirBoundsAndReachThem) {
    SystemRandom random;
    int fewest = 1000, most = 0, nearest = 1000, farthest = 0;
    for (unsigned seed = 0; seed < 300; ++seed) {
        random.reseed(seed);
        const auto spots = drawIntroMoves(random);
        fewest = std::min(fewest, static_cast<int>(spots.size()));
        most = std::max(most, static_cast<int>(spots.size()));
        for (const ScreenSpot& spot : spots) {
            nearest = std::min({nearest, spot.left, spot.top});
            farthest = std::max({farthest, spot.left, spot.top});
        }
    }
    EXPECT_GE(fewest, 125);
    EXPECT_LE(most, 250);
    EXPECT_EQ(nearest, 95);
    EXPECT_EQ(farthest, 105);
}

TEST(IntroMoves, ADrawBelowTheLeastIsDrawnAgain) {
    test::ScriptedRandom random;
    // 124 moves is too few, 125 will do; then 94 is too near, so 95 and 105.
    random.draws = {123, 124, 93, 94, 104};
    const auto spots = drawIntroMoves(random);
    ASSERT_EQ(spots.size(), 125u);
    EXPECT_EQ(spots.front().left, 95);
    EXPECT_EQ(spots.front().top, 105);
}

} // namespace
} // namespace orlevan
