// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "AdviceLeague.h"
#include "advice/KeeperSurplus.h"

namespace quorvane::test {

namespace {
AdviceLeague& keeperLeague(AdviceLeague& l) {
    l.league.rosterSlots({.UT = 3}).categories({{1, 1}});
    l.player({.playerid = 1, .dollars = 40.5, .rank = 1})
        .player({.playerid = 2, .dollars = 31.25, .rank = 2})
        .player({.playerid = 5, .dollars = 9.25, .rank = 5})
        .player({.playerid = 6, .dollars = 4.125, .rank = 6})
        .keeper(5, 1, 15)
        .keeper(2, 1, 12)
        .keeper(1, 2, 40.5)
        .pick(6, 2, "UT");
    return l;
}
}  // namespace

TEST(KeeperSurplus, IsTheKeepersDollarValueLessHisPriceLargestFirstPerTeam) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeAuction, kScoringRotisserie);
    const auto rows = keeperSurplus(keeperLeague(league).model());

    // p6 was drafted, not kept.
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0].playerid, 2);
    EXPECT_EQ(rows[0].surplus, 31.25 - 12);  // 19.25
    EXPECT_EQ(rows[1].playerid, 5);
    EXPECT_EQ(rows[1].surplus, 9.25 - 15);  // -5.75
    EXPECT_EQ(rows[2].teamid, league.league.teamId(2));
    EXPECT_EQ(rows[2].surplus, 0.0);
}

TEST(KeeperSurplus, IsBlankOutsideAuctions) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    const auto rows = keeperSurplus(keeperLeague(league).model());

    ASSERT_EQ(rows.size(), 3U);
    EXPECT_FALSE(rows[0].surplus.has_value());
    EXPECT_EQ(rows[0].value, 31.25);
}

}  // namespace quorvane::test
