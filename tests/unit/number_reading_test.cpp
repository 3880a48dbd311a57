#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>

#include "ui/number_reading.h"

namespace {

TEST(ReadIntegerText, AgreesWithAtoiWhereAtoiIsDefined) {
    const char* texts[] = {"24",     "  12", "12.7", "-3",  "+7",         "abc",        "",
                           "\t 30x", "0012", "- 5",  "--5", "2147483647", "-2147483648"};
    for (const char* text : texts) {
        EXPECT_EQ(ReadIntegerText(text), atoi(text)) << "'" << text << "'";
    }
}

TEST(ReadIntegerText, SaturatesBeyondTheIntegerRange) {
    EXPECT_EQ(ReadIntegerText("2147483648"), INT_MAX);
    EXPECT_EQ(ReadIntegerText("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(ReadIntegerText("-2147483649"), INT_MIN);
    EXPECT_EQ(ReadIntegerText("-99999999999999999999999"), INT_MIN);
}

TEST(ReadRealText, ReadsLikeAtofAndOverflowsToInfinity) {
    EXPECT_EQ(ReadRealText(" 2.0000"), 2.0);
    EXPECT_EQ(ReadRealText("1e3"), 1000.0);
    EXPECT_EQ(ReadRealText("abc"), 0.0);
    EXPECT_EQ(ReadRealText("-0.5000"), -0.5);
    EXPECT_TRUE(std::isinf(ReadRealText("1e999")));
}

// The tolerance box takes one number and nothing else: text after it is refused, not cut.
TEST(ReadWholeRealText, TakesOneFiniteNumberAndNothingMore) {
    double v = 0;
    EXPECT_TRUE(ReadWholeRealText(" 2e-4 ", &v));
    EXPECT_EQ(v, 2e-4);
    for (const char* text : {"", "abc", "0.1mm", "1e999", "nan", "0.1 0.2"}) {
        EXPECT_FALSE(ReadWholeRealText(text, &v)) << "'" << text << "'";
    }
}

}  // namespace
