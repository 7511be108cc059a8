// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "text/ReadableFigures.h"

namespace quorvane {
namespace {

TEST(ReadableFigures, MoneyToCentsAndOtherFractionsToThreePlaces) {
    EXPECT_EQ(readableFigure("REB.sgp", "2.8727272727272726"), "2.873");
    EXPECT_EQ(readableFigure("sgp_above", "-1.23449"), "-1.234");
    EXPECT_EQ(readableFigure("dollars", "23.456"), "23.46");
    EXPECT_EQ(readableFigure("zdollars", "-0.004"), "0.00");
    // 4.125 is exact in binary: half a cent rounds away from zero, as on paper.
    EXPECT_EQ(readableFigure("dollars_per_sgp", "4.125"), "4.13");
    EXPECT_EQ(readableFigure("FGP.statistic", "0.47250000000000003"), "0.473");
}

TEST(ReadableFigures, WholeNumbersAndTextStayAsTheyAre) {
    EXPECT_EQ(readableFigure("REB.denominator", "165"), "165");
    EXPECT_EQ(readableFigure("rank", "12"), "12");
    EXPECT_EQ(readableFigure("name", "Jimmy Butler"), "Jimmy Butler");
    EXPECT_EQ(readableFigure("punts", ""), "");
}

}  // namespace
}  // namespace quorvane
