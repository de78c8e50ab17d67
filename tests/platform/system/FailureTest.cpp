#include "platform/system/Failure.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using namespace std::string_literals;

// A message carries all of its text; control characters show in caret
// notation, so a NUL read from a file cannot cut the message short.
TEST(Failure, AMessageShowsAllItsTextWithControlCharactersVisible) {
    const struct {
        Failure failure;
        std::string shown;
    } cases[] = {
        {Failure::notInteger("12\0 34"s), "'12^@ 34' is not a valid integer value"},
        {Failure::cannotOpen("Base\\A\tB\r\n.dat"), "Cannot open file Base\\A^IB^M^J.dat"},
        {Failure::notInteger("\x7f\x1f"), "'^?^_' is not a valid integer value"},
        {Failure::cannotCreate(test::w("Base\\Слова ёЁ.dat")),
         "Cannot create file " + test::w("Base\\Слова ёЁ.dat")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.failure.what(), c.shown);
    }
}

} // namespace
} // namespace orlevan
