// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "../advice/AdviceLeague.h"
#include "availability/PracticeAuction.h"
#include "availability/PracticeGrade.h"

namespace quorvane::test {

namespace {

const ModelPlayer& playerOf(const DraftModel& model, int playerid) {
    return *model.findPlayer(playerid);
}

}  // namespace

// 23.6 × (1 + 0.15 × 0.8) = 26.432, rounded down to 26.
TEST(PracticeAuction, AnOpponentsLimitIsItsValueMovedByItsOpinionRoundedDown) {
    EXPECT_EQ(opponentLimit(23.6, 0.8, 150.0, true), 26.0);
    // 23.6 × (1 - 0.15 × 1.3) = 18.998: down to 18, not rounded up to 19.
    EXPECT_EQ(opponentLimit(23.6, -1.3, 150.0, true), 18.0);
    EXPECT_EQ(opponentLimit(23.6, 0.8, 25.5, true), 25.5);   // its largest allowed bid
    EXPECT_EQ(opponentLimit(23.6, 0.8, 150.0, false), 0.0);  // no open slot for him
    // 23.6 × (1 - 0.15 × 7) = -1.18: never below 0.
    EXPECT_EQ(opponentLimit(23.6, -7.0, 150.0, true), 0.0);
}

TEST(PracticeAuction, TheHighestLimitBuysAtTheSecondHighestPlusOne) {
    const auto sale = settleSale({{0, 1, 37.0}, {1, 2, 52.0}, {2, 3, 19.0}}, 1.0);
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->team, 1U);
    EXPECT_EQ(sale->price, 38.0);  // 37 + 1
}

// Equal limits: the earlier draft position buys, and the second limit + 1 would be above his
// own, so he pays his limit.
TEST(PracticeAuction, EqualLimitsGoToTheEarlierDraftPositionAtHisLimit) {
    const auto sale = settleSale({{0, 4, 52.0}, {1, 2, 52.0}, {2, 3, 44.0}}, 1.0);
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->team, 1U);
    EXPECT_EQ(sale->price, 52.0);
}

// Alone above the minimum bid of 2 (a limit of 1 is no bid): he pays the minimum.
TEST(PracticeAuction, ALoneBidderPaysTheMinimumAndNoBidderMeansNoSale) {
    const auto sale = settleSale({{0, 1, 1.0}, {1, 2, 29.0}, {2, 3, 0.0}}, 2.0);
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->team, 1U);
    EXPECT_EQ(sale->price, 2.0);
    EXPECT_FALSE(settleSale({{0, 1, 1.0}, {1, 2, 0.0}}, 2.0));
}

// Cap $200, minimum $2, five slots: team 1 has spent 37 + 12.5 on two players and keeps 2 × $2
// for the two places after this one: 200 - 49.5 - 4 = 146.5.
TEST(PracticeAuction, TheLargestBidKeepsTheMinimumForEveryOtherPlaceLeft) {
    TestProgram program;
    AdviceLeague league(program, 2, kDraftTypeAuction, kScoringRotisserie);
    league.league.rosterSlots({.C = 1, .G = 1, .UT = 3}).money(200, 2).categories({{1, 1}});
    league.player({.playerid = 1, .positions = "C", .dollars = 30.5, .rank = 1})
        .player({.playerid = 2, .positions = "PG", .dollars = 10.25, .rank = 2})
        .player({.playerid = 3, .positions = "C", .dollars = 4.75, .rank = 3});
    league.league.pick(1, 1, "C", 37).pick(2, 1, "G", 12.5);
    const DraftModel model = league.model();
    EXPECT_DOUBLE_EQ(largestAllowedBid(model, 0), 146.5);
    EXPECT_DOUBLE_EQ(largestAllowedBid(model, 1), 200.0 - 4 * 2.0);
    // Team 1's C slot is filled but a UT takes the centre.
    EXPECT_TRUE(canRosterPlayer(model, 0, playerOf(model, 3)));
}

// Pick 30 of a player at ADP 17.5 is 12.5 picks late: a steal; 11.5 is not.
TEST(PracticeGrade, TwelvePicksAfterTheAdpIsAStealTwelveBeforeAReach) {
    EXPECT_EQ(verdictOf(30, 17.5), "steal");
    EXPECT_EQ(verdictOf(29, 17.5), "");
    EXPECT_EQ(verdictOf(29, 17.0), "steal");
    EXPECT_EQ(verdictOf(5, 17.25), "reach");
    EXPECT_EQ(verdictOf(6, 17.25), "");
}

}  // namespace quorvane::test
