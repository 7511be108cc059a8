// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>
#include <string_view>
#include <vector>

#include "text/CheckedNumber.h"

namespace quorvane {
namespace {

double valueOf(std::string_view text, NumberConvention convention = kDecimalPoint,
               FieldRange range = kCountingRange) {
    const NumberReading reading = readCheckedNumber(text, convention, range);
    EXPECT_TRUE(reading.ok()) << text;
    return reading.value;
}

NumberStatus statusOf(std::string_view text, NumberConvention convention = kDecimalPoint,
                      FieldRange range = kCountingRange) {
    return readCheckedNumber(text, convention, range).status;
}

TEST(CheckedNumber, ReadsThousandsAndDecimalsByTheFilesConvention) {
    EXPECT_EQ(valueOf("2,143"), 2143.0);
    EXPECT_EQ(valueOf("2,143.5"), 2143.5);
    EXPECT_EQ(valueOf("2.143,5", kDecimalComma), 2143.5);
    EXPECT_EQ(valueOf("2.143", kDecimalComma), 2143.0);
    EXPECT_EQ(valueOf("45,1", kDecimalComma), 45.1);
    EXPECT_EQ(valueOf("2.143"), 2.143);
    EXPECT_EQ(valueOf("2 143"), 2143.0);
    EXPECT_EQ(valueOf("2\xC2\xA0"
                      "143,5",
                      kDecimalComma),
              2143.5);
    EXPECT_EQ(valueOf(" .451 ", kDecimalPoint, kFractionRange), 0.451);
    EXPECT_EQ(valueOf("+3"), 3.0);
    EXPECT_EQ(valueOf("1e3"), 1000.0);
    EXPECT_EQ(valueOf("-2.5", kDecimalPoint, FieldRange{-10.0, 10.0}), -2.5);
}

TEST(CheckedNumber, BrokenGroupsAndTextAreNotNumbers) {
    for (const std::string_view text : {"2,14", "21,4300", ",143", "1.2.3", "abc", "12abc", "$5",
                                        "nan", "inf", "1e", "--1", "2,143,", "."}) {
        EXPECT_EQ(statusOf(text), NumberStatus::NotANumber) << text;
    }
    EXPECT_EQ(statusOf("45,1"), NumberStatus::NotANumber) << "a decimal comma in a point file";
    EXPECT_EQ(statusOf("2,143.5", kDecimalComma), NumberStatus::NotANumber);
}

TEST(CheckedNumber, AnEmptyCellIsNotGivenRatherThanZero) {
    EXPECT_EQ(statusOf(""), NumberStatus::Empty);
    EXPECT_EQ(statusOf("  \t"), NumberStatus::Empty);
}

TEST(CheckedNumber, FiguresBeyondASeasonAreRefusedNeverWrapped) {
    EXPECT_EQ(statusOf("1e18"), NumberStatus::OutOfRange);
    EXPECT_EQ(statusOf("99999999999"), NumberStatus::OutOfRange);
    EXPECT_EQ(statusOf("1e400"), NumberStatus::OutOfRange);
    EXPECT_EQ(statusOf("1e9", kDecimalPoint, kGamesRange), NumberStatus::OutOfRange);
    EXPECT_EQ(statusOf("101", kDecimalPoint, kGamesRange), NumberStatus::OutOfRange);
    EXPECT_EQ(valueOf("100", kDecimalPoint, kGamesRange), 100.0);
    EXPECT_EQ(statusOf("1.01", kDecimalPoint, kFractionRange), NumberStatus::OutOfRange);
    EXPECT_EQ(statusOf("-1"), NumberStatus::OutOfRange);
    EXPECT_EQ(statusOf("-0"), NumberStatus::OutOfRange) << "a minus sign where none can be";
    EXPECT_EQ(valueOf("0"), 0.0);
}

TEST(CheckedNumber, WholeNumbersRefuseFractions) {
    EXPECT_EQ(readCheckedWholeNumber("2,143", kDecimalPoint, kCountingRange).value, 2143.0);
    EXPECT_EQ(readCheckedWholeNumber("12.5", kDecimalPoint, kCountingRange).status,
              NumberStatus::NotANumber);
}

TEST(CheckedNumber, ProblemsAreNamedInWords) {
    EXPECT_EQ(numberProblemText(readCheckedNumber("abc", kDecimalPoint, kGamesRange), kGamesRange),
              "is not a number");
    EXPECT_EQ(numberProblemText(readCheckedNumber("1e9", kDecimalPoint, kGamesRange), kGamesRange),
              "is outside 0 to 100");
    EXPECT_EQ(numberProblemText(readCheckedNumber("", kDecimalPoint, kGamesRange), kGamesRange),
              "is empty");
}

TEST(CheckedNumber, ConventionIsDecidedByCellsOnlyOneConventionReads) {
    const std::vector<std::string_view> pointFile{"2,143", "45.1", "12", "2,143"};
    EXPECT_EQ(detectNumberConvention(pointFile).decimalMark, '.');
    const std::vector<std::string_view> commaFile{"2.143", "45,1", "12", "0,451"};
    EXPECT_EQ(detectNumberConvention(commaFile).decimalMark, ',');
    const std::vector<std::string_view> undecided{"2,143", "12"};
    EXPECT_EQ(detectNumberConvention(undecided).decimalMark, '.');
}

TEST(CheckedNumber, DollarsAreDigitsWithAnOptionalDecimalPoint) {
    for (const std::string_view dollars : {"0", "57", "36.50", "007", "199.999"}) {
        EXPECT_TRUE(isPlainDecimal(dollars)) << dollars;
    }
    using namespace std::string_view_literals;
    for (const std::string_view written :
         {"5e1"sv, "5E+1"sv, "+5"sv, "-5"sv, "1,000"sv, " 5"sv, "5."sv, ".5"sv, ""sv, "5.5.5"sv,
          "0x32"sv, "\u0665"sv, "5\0"sv, "Infinity"sv}) {
        EXPECT_FALSE(isPlainDecimal(written)) << written;
    }
}

TEST(CheckedNumber, RoundingToIntNeverWraps) {
    EXPECT_EQ(checkedRoundToInt(2.5), 3);
    EXPECT_EQ(checkedRoundToInt(-2.5), -3);
    EXPECT_EQ(checkedRoundToInt(1e18), std::nullopt);
    EXPECT_EQ(checkedRoundToInt(std::numeric_limits<double>::infinity()), std::nullopt);
}

}  // namespace
}  // namespace quorvane
