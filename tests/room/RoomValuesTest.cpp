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

TEST(ValueHelpers, NonNegativeIntegersRoundHalvesToEven) {
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

TEST(PriceFormat, MoneyOwedPutsTheMinusSignBeforeTheDollarSign) {
    EXPECT_EQ(formatMoney(-34.53, 2), "\u2212$34.53");
    EXPECT_EQ(formatMoney(-1234.5, 2), "\u2212$1,234.50");
    EXPECT_EQ(formatMoney(1234.4, 0), "$1,234");
    // A debt that rounds to nothing is no debt.
    EXPECT_EQ(formatMoney(-0.001, 2), "$0.00");
    EXPECT_EQ(formatMoney(-0.0, 0), "$0");
}

}  // namespace
}  // namespace quorvane
