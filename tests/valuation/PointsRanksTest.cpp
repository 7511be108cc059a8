// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "LeagueFixture.h"
#include "valuation/DollarValues.h"
#include "valuation/Ranks.h"

namespace quorvane::test {

namespace {

double vbd(TestProgram& program, int playerid) {
    return program.scalar("select vbd from vbd_player_points where playerid = " +
                          std::to_string(playerid));
}

// Two guard slots a team (PG, SG and a shared G) in a 12-team points league: 18 point guards
// and 18 shooting guards who are not point guards start. Points are free throws made.
League guardLeague(TestProgram& program) {
    League league(program, 12, kDraftTypeStraight, kScoringPoints);
    league.rosterSlots({.G = 1, .PG = 1, .SG = 1}).categories({{21, 1}});
    for (int k = 0; k < 40; ++k) {
        league.player({.playerid = 100 + k, .lastname = "PG", .ftm = 100 + k, .PG = 1});
        league.player({.playerid = 200 + k, .lastname = "SG", .ftm = 200 + k, .SG = 1});
    }
    league.player({.playerid = 1, .lastname = "Dual", .ftm = 500, .PG = 1, .SG = 1});
    league.player({.playerid = 2, .lastname = "Dual", .ftm = 90, .PG = 1, .SG = 1});
    league.load();
    return league;
}

}  // namespace

TEST(ValueBasedRanks, PointGuardAndShootingGuardBaselinesOfEighteen) {
    TestProgram program;
    League league = guardLeague(program);

    ASSERT_TRUE(calcRanks(program.state, program.dialogs));

    // PG baseline: 18th of 500, 139..100, 90 is 123. SG baseline: 18th of 239..200 is 222.
    EXPECT_DOUBLE_EQ(vbd(program, 139), 16);
    EXPECT_DOUBLE_EQ(vbd(program, 239), 17);
    EXPECT_DOUBLE_EQ(vbd(program, 1), 377);  // the better of 377 and 278
    EXPECT_DOUBLE_EQ(vbd(program, 2), -33);
    EXPECT_EQ(league.rank(1), 1);
    EXPECT_EQ(league.rank(239), 2);
    EXPECT_EQ(league.rank(238), 3);  // 16, tied with the best point guard
    EXPECT_EQ(league.rank(139), 3);
    EXPECT_EQ(league.rank(237), 5);
    // Straight draft: no money is shared out.
    EXPECT_DOUBLE_EQ(league.dollars(1), 0.0);
}

TEST(ValueBasedRanks, GuardOnlyLeagueHasOneBaselineForAllGuards) {
    TestProgram program;
    League league = guardLeague(program);
    league.rosterSlots({.G = 2});
    league.load();

    ASSERT_TRUE(calcRanks(program.state, program.dialogs));

    // 24 guards start: 500, 239..217 - baseline 217.
    EXPECT_DOUBLE_EQ(vbd(program, 1), 283);
    EXPECT_DOUBLE_EQ(vbd(program, 139), -78);
    EXPECT_EQ(program.scalar("select count(*) from vbd_position_points where pos <> 'G'"), 0);
}

TEST(ValueBasedRanks, AuctionSharesTheMoneyOverTheStartersAndLeavesOthersAtZero) {
    TestProgram program;
    League league(program, 2, kDraftTypeAuction, kScoringPoints);
    league.rosterSlots({.G = 1}).money(100, 1).categories({{21, 1}});
    league.player({.playerid = 1, .lastname = "A", .ftm = 30, .PG = 1})
        .player({.playerid = 2, .lastname = "B", .ftm = 20, .PG = 1})
        .player({.playerid = 3, .lastname = "C", .ftm = 10, .SG = 1})
        .player({.playerid = 4, .lastname = "Centre", .ftm = 50, .C = 1});
    league.load();

    ASSERT_TRUE(calcDollarValues(program.state, program.dialogs, "B"));

    // Baseline 20: vbd 10, 0, -10; the two starters share 200 over 10 points of vbd.
    EXPECT_DOUBLE_EQ(league.dollars(1), 200);
    EXPECT_DOUBLE_EQ(league.dollars(2), 0);
    EXPECT_DOUBLE_EQ(league.dollars(3), -200);
    // A centre in a league without centre slots has no vbd: last, and worth nothing.
    EXPECT_DOUBLE_EQ(league.dollars(4), 0);
    EXPECT_EQ(league.rank(1), 1);
    EXPECT_EQ(league.rank(3), 3);
    EXPECT_EQ(league.rank(4), 4);

    // Inflation once every dollar is spent: nothing is worth anything.
    league.pick(1, 1, "G", 100).pick(2, 2, "G", 100);
    program.state.showInflation = true;
    ASSERT_TRUE(calcDollarValues(program.state, program.dialogs, "B"));
    for (int playerid = 1; playerid <= 4; ++playerid) {
        EXPECT_DOUBLE_EQ(league.dollars(playerid), 0) << playerid;
    }
}

TEST(ValueBasedRanks, WeightsAndOddBaselineCounts) {
    TestProgram program;
    // 3 teams with G = 1, PG = 1: (0.5 + 1) x 3 = 4.5 point guards start, the whole part 4.
    League league(program, 3, kDraftTypeSnake, kScoringPoints);
    league.rosterSlots({.G = 1, .PG = 1}).categories({{21, 2}, {9, -1}});
    for (int k = 1; k <= 6; ++k) {
        league.player({.playerid = k, .lastname = "PG", .ftm = 10 * k, .turnovers = k, .PG = 1});
    }
    league.load();

    ASSERT_TRUE(calcRanks(program.state, program.dialogs));

    // Points 2 x 10k - k = 19k: 114, 95, 76, 57 start; baseline 57.
    EXPECT_DOUBLE_EQ(vbd(program, 6), 57);
    EXPECT_DOUBLE_EQ(vbd(program, 3), 0);
    EXPECT_DOUBLE_EQ(vbd(program, 1), -38);
    EXPECT_EQ(league.rank(6), 1);
    EXPECT_EQ(league.rank(1), 6);
}

}  // namespace quorvane::test
