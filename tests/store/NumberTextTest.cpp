// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "store/NumberText.h"

namespace quorvane {
namespace {

TEST(NumberText, FormatsLikeTheDisplayPatterns) {
    EXPECT_EQ(formatPattern(0.5, "0.00"), "0.50");
    EXPECT_EQ(formatPattern(2.345, "0.00"), "2.35");
    EXPECT_EQ(formatPattern(0.4567, "#.000"), ".457");
    EXPECT_EQ(formatPattern(0, ".000"), ".000");
    EXPECT_EQ(formatPattern(1, "#.000"), "1.000");
    EXPECT_EQ(formatPattern(12.5, "0"), "13");
    EXPECT_EQ(formatPattern(-0.001, "0.00"), "0.00");
    EXPECT_EQ(formatPattern(12.5, "0.##"), "12.5");
    EXPECT_EQ(formatPattern(12, "0.##"), "12");
    EXPECT_EQ(formatPattern(-3.456, "0.##"), "-3.46");
}

TEST(NumberText, ReadsNumbersTheWayUsersTypeThem) {
    EXPECT_EQ(parseNumber("260"), 260.0);
    EXPECT_EQ(parseNumber(" 0.5 "), 0.5);
    EXPECT_EQ(parseNumber("-0.45"), -0.45);
    EXPECT_EQ(parseNumber("+3"), 3.0);
    EXPECT_FALSE(parseNumber(""));
    EXPECT_FALSE(parseNumber("12abc"));
    EXPECT_FALSE(parseNumber("$5"));
    EXPECT_EQ(parseWholeNumber("30", 1, 30), 30);
    EXPECT_FALSE(parseWholeNumber("31", 1, 30));
    EXPECT_FALSE(parseWholeNumber("2.5", 0, 10));
    EXPECT_EQ(numberText(0.5), "0.5");
    EXPECT_EQ(numberText(200), "200");
    EXPECT_EQ(numberText(-0.45), "-0.45");
    EXPECT_EQ(trimRight("  name  "), "  name");
}

}  // namespace
}  // namespace quorvane
