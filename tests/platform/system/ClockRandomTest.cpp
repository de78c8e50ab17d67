#include "platform/system/Clock.h"
#include "platform/system/Random.h"

#include <clocale>
#include <gtest/gtest.h>
#include <regex>
#include <set>

namespace orlevan {
namespace {

TEST(SystemClock, FollowsTheLocaleFormatsOfTimeAndDate) {
    std::setlocale(LC_TIME, "C");
    const SystemClock clock;
    EXPECT_TRUE(std::regex_match(clock.longTime(), std::regex(R"(\d\d:\d\d:\d\d)")))
        << clock.longTime();
    EXPECT_TRUE(std::regex_match(clock.shortDate(), std::regex(R"(\d\d/\d\d/\d\d)")))
        << clock.shortDate();
    EXPECT_LT(clock.millisecondOfDay(), 24u * 60 * 60 * 1000);
}

TEST(SystemRandom, DrawsEveryValueInRangeAndRepeatsAfterTheSameSeed) {
    SystemRandom random;
    EXPECT_EQ(random.below(0), 0);
    EXPECT_EQ(random.below(-3), 0);
    EXPECT_EQ(random.below(1), 0);
    random.reseed(1234);
    std::vector<int> first;
    std::set<int> seen;
    for (int i = 0; i < 600; ++i) {
        first.push_back(random.below(6));
        seen.insert(first.back());
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5}));
    random.reseed(1234);
    for (const int draw : first) {
        EXPECT_EQ(random.below(6), draw);
    }
}

} // namespace
} // namespace orlevan
