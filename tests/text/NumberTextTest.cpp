// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "text/NumberText.h"

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

TEST(NumberText, RoundsHalfAwayOnTheDecimalText) {
    // 2.4999999999 to six more decimals is 2.500000: a half, up to 3.
    EXPECT_EQ(roundHalfAway(2.4999999999, 0), 3.0);
    EXPECT_EQ(roundHalfAway(-2.4999999999, 0), -3.0);
    // 1.005 is stored as 1.00499999999999989...; its text 1.00500000 reads back as the same
    // double, and 100.4999999... rounds down: 1.00.
    EXPECT_EQ(roundHalfAway(1.005, 2), 1.0);
    EXPECT_EQ(roundHalfAway(-2.5, 0), -3.0);
    // 2 / 3 = 0.666666666...: 666.666... thousandths round to 667.
    EXPECT_EQ(roundHalfAway(2.0 / 3.0, 3), 0.667);
    // 123456.789 / 7 = 17636.684142857...: to one decimal 17636.7.
    EXPECT_EQ(roundHalfAway(123456.789 / 7, 1), 17636.7);
    EXPECT_EQ(formatPattern(1e20 / 3, "0"), "33333333333333331968");
    EXPECT_EQ(formatPattern(-1.005, "0.##"), "-1");
    EXPECT_EQ(formatPattern(0.1234999999, "#.000"), ".124");
}

// The rule written out plainly: print six more decimals, read the text back, round half away.
double byDecimalText(double value, int decimals) {
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals + 6, value);
    return std::round(std::strtod(text, nullptr) * std::pow(10.0, decimals)) /
           std::pow(10.0, decimals);
}

TEST(NumberText, RoundsEveryFigureAsItsDecimalTextDoes) {
    // Figures of every size, many of them halves or a hair off one in binary (x.xx5 steps).
    for (int decimals = 0; decimals <= 3; ++decimals) {
        for (int step = -20000; step <= 20000; ++step) {
            for (const double value : {step * 0.0005, step / 7.0, step * 1234.5678 / 3.0,
                                       step * 0.0005 + 1e-13, step * 0.0005 - 1e-13}) {
                ASSERT_EQ(roundHalfAway(value, decimals), byDecimalText(value, decimals))
                    << value << " at " << decimals;
            }
        }
    }
}

TEST(NumberText, WholeCountsAndFixedFiguresKeepTheirText) {
    // Whole numbers are written as their digits up to 99999; from 100000 the shorter "1e+05".
    EXPECT_EQ(numberText(82), "82");
    EXPECT_EQ(numberText(-42), "-42");
    EXPECT_EQ(numberText(99999), "99999");
    EXPECT_EQ(numberText(100000), "1e+05");
    EXPECT_EQ(numberText(123456), "123456");
    EXPECT_EQ(numberText(1917.5), "1917.5");
    EXPECT_EQ(formatPattern(-1234.5678, "0.00"), "-1234.57");
    EXPECT_EQ(formatPattern(-0.0449, "#.000"), "-.045");
    EXPECT_EQ(formatPattern(-0.0004, "#.000"), ".000");
    EXPECT_EQ(formatPattern(1001.0 / 7, "0.##"), "143");
    EXPECT_EQ(formatPattern(7.0 / 3, "0"), "2");
    EXPECT_EQ(formatPattern(123456789012.3456, "#.000"), "123456789012.346");
}

// The rounded figure as the C library prints it, with a minus sign only where it is not zero.
std::string printedFixed(double rounded, int decimals) {
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, rounded + 0.0);
    return text;
}

TEST(NumberText, FixedFiguresReadAsThePrintedRoundedValue) {
    for (int step = -30000; step <= 30000; ++step) {
        for (const double value : {step * 0.0005, step / 7.0, step * 98765.4321 / 3.0,
                                   step * 1e9 / 7.0, step * 0.0005 + 1e-13}) {
            ASSERT_EQ(formatPattern(value, "0.00"), printedFixed(roundHalfAway(value, 2), 2))
                << value;
            ASSERT_EQ(formatPattern(value, "0"), printedFixed(roundHalfAway(value, 0), 0)) << value;
        }
    }
}

TEST(NumberText, AdviceFiguresPrintTheirBinaryValueToTwoDecimals) {
    // 2.675 is stored as 2.67499999999999982236431605997495353221893310546875.
    EXPECT_EQ(twoDecimalsOrEmpty(2.675), "2.67");
    // 0.125 is exact: a true half goes to the even digit.
    EXPECT_EQ(twoDecimalsOrEmpty(0.125), "0.12");
    EXPECT_EQ(twoDecimalsOrEmpty(0.375), "0.38");
    EXPECT_EQ(twoDecimalsOrEmpty(-0.001), "-0.00");
    EXPECT_EQ(twoDecimalsOrEmpty(-0.0), "0.00");
    EXPECT_EQ(twoDecimalsOrEmpty(12345.678), "12345.68");
    EXPECT_EQ(twoDecimalsOrEmpty(std::nullopt), "");
    for (int step = -30000; step <= 30000; ++step) {
        for (const double value : {step * 0.0005, step / 7.0, step * 98765.4321 / 3.0}) {
            ASSERT_EQ(twoDecimalsOrEmpty(value), printedFixed(value, 2)) << value;
        }
    }
}

TEST(NumberText, ReadsNumbersTheWayUsersTypeThem) {
    EXPECT_EQ(parseNumber("260"), 260.0);
    EXPECT_EQ(parseNumber(" 0.5 "), 0.5);
    EXPECT_EQ(parseNumber("-0.45"), -0.45);
    EXPECT_EQ(parseNumber("+3"), 3.0);
    EXPECT_FALSE(parseNumber(""));
    EXPECT_FALSE(parseNumber("12abc"));
    EXPECT_FALSE(parseNumber("$5"));
    for (const char* notANumber : {"nan", "NaN", "inf", "-inf", "infinity", "1e400"}) {
        EXPECT_FALSE(parseNumber(notANumber)) << notANumber;
    }
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
