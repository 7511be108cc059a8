// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "room/RoomValues.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {
namespace {

TEST(PickLabels, RoundSelectionAndOverallInATwelveTeamLeague) {
    EXPECT_EQ(pickLabel(1, 12), "1.1.1");
    EXPECT_EQ(pickLabel(12, 12), "1.12.12");
    EXPECT_EQ(pickLabel(13, 12), "2.1.13");
    EXPECT_EQ(pickLabel(24, 12), "2.12.24");
    EXPECT_EQ(pickLabel(25, 12), "3.1.25");
}

TEST(ValueHelpers, BehaveAtTheirEdges) {
    EXPECT_TRUE(isWholeNumber(SqlValue{260.0}));
    EXPECT_TRUE(isWholeNumber(SqlValue{std::string("1.00")}));
    EXPECT_FALSE(isWholeNumber(SqlValue{0.5}));
    EXPECT_FALSE(isWholeNumber(SqlValue{std::string("abc")}));
    EXPECT_FALSE(isWholeNumber(SqlValue{}));

    EXPECT_EQ(zeroIfBlank("   "), "0");
    EXPECT_EQ(zeroIfBlank(""), "0");
    EXPECT_EQ(zeroIfBlank(" 12"), " 12");
    EXPECT_EQ(textOrDefault(SqlValue{}, "x"), "x");
    EXPECT_EQ(textOrDefault(SqlValue{std::string("")}, "x"), "x");
    EXPECT_EQ(textOrDefault(SqlValue{std::int64_t{7}}, "x"), "7");

    EXPECT_EQ(roundUp(13.0 / 12.0), 2);
    EXPECT_EQ(roundUp(2.0), 2);
    EXPECT_EQ(roundUp(-1.5), -1);
    EXPECT_DOUBLE_EQ(valueUnlessEqual(1, 2, 3), 1);
    EXPECT_DOUBLE_EQ(valueUnlessEqual(2, 2, 3), 3);

    EXPECT_EQ(nonNegativeInteger(-3), 0);
    EXPECT_EQ(nonNegativeInteger(2.5), 2);
    EXPECT_EQ(nonNegativeInteger(3.5), 4);
    EXPECT_EQ(nonNegativeInteger(4.2), 4);
}

TEST(PriceFormat, DecimalsFollowTheCapAndMinimumBid) {
    DraftSettings draft;
    draft.dollars = 260;
    draft.minbid = 1;
    EXPECT_EQ(priceDecimals(draft), 0);
    draft.minbid = 0.5;
    EXPECT_EQ(priceDecimals(draft), 2);

    EXPECT_EQ(formatPrice(53, 0), "53");
    EXPECT_EQ(formatPrice(53, 2), "53.00");
    EXPECT_EQ(formatPrice(0.5, 2), "0.50");
    EXPECT_EQ(formatPrice(-4, 0), "-4");
    EXPECT_EQ(formatPrice(1234.5, 2), "1,234.50");
}

}  // namespace
}  // namespace quorvane
