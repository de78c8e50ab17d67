#include "app/Appearance.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

TEST(Appearance, ColoursHoldRedInTheLowestByte) {
    EXPECT_EQ(colorFromValue(12632256), QColor(192, 192, 192));
    EXPECT_EQ(colorFromValue(255), QColor(255, 0, 0));
    EXPECT_EQ(colorFromValue(8421376), QColor(0, 128, 128));
    EXPECT_EQ(colorFromValue(0), QColor(0, 0, 0));
}

} // namespace
} // namespace orlevan
