// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "LeagueFixture.h"
#include "session/ValuationConversation.h"
#include "valuation/DollarValues.h"
#include "valuation/Ranks.h"

namespace quorvane::test {

namespace {

double vbd(League& league, int playerid) {
    return league.vbd(playerid).value_or(0.0);
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

// Three teams with one guard slot, $95 each; points are free throws. Guards 47, 36, 29, 23, 14:
// three start, so the baseline is 29 and the vbd 18, 7, 0, -6, -15.
League guardAuction(TestProgram& program) {
    League league(program, 3, kDraftTypeAuction, kScoringPoints);
    league.rosterSlots({.G = 1}).money(95, 1).categories({{21, 1}});
    int playerid = 0;
    for (int ftm : {47, 36, 29, 23, 14}) {
        league.player({.playerid = ++playerid, .lastname = "G", .ftm = ftm, .PG = 1});
    }
    league.load();
    return league;
}

}  // namespace

TEST(ValueBasedRanks, ForwardSlotsCountHalfTowardsSmallAndPowerForwards) {
    TestProgram program;
    // 3 teams with an F, an SF and a PF slot: (0.5 + 1) x 3 = 4.5 small forwards start, rounded
    // down to 4, and as many power forwards.
    League league(program, 3, kDraftTypeStraight, kScoringPoints);
    league.rosterSlots({.F = 1, .SF = 1, .PF = 1}).categories({{21, 1}});
    int playerid = 0;
    for (int ftm : {97, 88, 81, 74, 66, 59, 43}) {
        league.player({.playerid = ++playerid, .lastname = "SF", .ftm = ftm, .SF = 1});
    }
    playerid = 10;
    for (int ftm : {105, 92, 70, 63, 55, 41, 30}) {
        league.player({.playerid = ++playerid, .lastname = "PF", .ftm = ftm, .PF = 1});
    }
    league.load();

    ASSERT_TRUE(calcRanks(program.state, program.dialogs));

    // SF baseline: the 4th of 97, 88, 81, 74 is 74. PF baseline: the 4th of 105, 92, 70, 63 is 63.
    EXPECT_DOUBLE_EQ(vbd(league, 1), 97 - 74);
    EXPECT_DOUBLE_EQ(vbd(league, 5), 66 - 74);
    EXPECT_DOUBLE_EQ(vbd(league, 7), 43 - 74);
    EXPECT_DOUBLE_EQ(vbd(league, 11), 105 - 63);
    EXPECT_DOUBLE_EQ(vbd(league, 15), 55 - 63);
    EXPECT_DOUBLE_EQ(vbd(league, 17), 30 - 63);
    // vbd 42, 29, 23, 14, then 7 twice (81 and 70).
    EXPECT_EQ(league.rank(11), 1);
    EXPECT_EQ(league.rank(12), 2);
    EXPECT_EQ(league.rank(1), 3);
    EXPECT_EQ(league.rank(3), 5);
    EXPECT_EQ(league.rank(13), 5);
    const std::vector<std::string> baselines = league.baselinePositions();
    EXPECT_EQ(std::count(baselines.begin(), baselines.end(), "F"), 0);
}

TEST(ValueBasedRanks, PointGuardAndShootingGuardBaselinesOfEighteen) {
    TestProgram program;
    League league = guardLeague(program);

    ASSERT_TRUE(calcRanks(program.state, program.dialogs));

    // PG baseline: 18th of 500, 139..100, 90 is 123. SG baseline: 18th of 239..200 is 222.
    EXPECT_DOUBLE_EQ(vbd(league, 139), 16);
    EXPECT_DOUBLE_EQ(vbd(league, 239), 17);
    EXPECT_DOUBLE_EQ(vbd(league, 1), 377);  // the better of 377 and 278
    EXPECT_DOUBLE_EQ(vbd(league, 2), -33);
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
    EXPECT_DOUBLE_EQ(vbd(league, 1), 283);
    EXPECT_DOUBLE_EQ(vbd(league, 139), -78);
    EXPECT_EQ(league.baselinePositions(), std::vector<std::string>{"G"});
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

    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));

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
    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));
    for (int playerid = 1; playerid <= 4; ++playerid) {
        EXPECT_DOUBLE_EQ(league.dollars(playerid), 0) << playerid;
    }
}

TEST(ValueBasedRanks, AuctionMoneyFollowsWhatIsSpentOnlyUnderInflation) {
    TestProgram program;
    League league = guardAuction(program);
    league.pick(1, 1, "G", 62);

    // Without inflation the starters 18 + 7 + 0 = 25 vbd share the whole 3 x 95 = 285.
    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));
    EXPECT_NEAR(league.dollars(1), 18 * 285 / 25.0, 1e-9);  // 205.2
    EXPECT_NEAR(league.dollars(2), 7 * 285 / 25.0, 1e-9);   // 79.8
    EXPECT_NEAR(league.dollars(4), -6 * 285 / 25.0, 1e-9);  // -68.4

    // With inflation two slots are open: the best two left, 7 + 0, share 285 - 62 = 223.
    program.state.showInflation = true;
    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));
    EXPECT_NEAR(league.dollars(2), 7 * 223 / 7.0, 1e-9);   // 223
    EXPECT_NEAR(league.dollars(4), -6 * 223 / 7.0, 1e-9);  // -191.14
    EXPECT_NEAR(league.dollars(3), 0.0, 1e-9);
}

TEST(ValueBasedRanks, WeightsAndOddBaselineCounts) {
    TestProgram program;
    // 3 teams with G = 1, PG = 1: (0.5 + 1) x 3 = 4.5 point guards start, rounded down to 4.
    League league(program, 3, kDraftTypeSnake, kScoringPoints);
    league.rosterSlots({.G = 1, .PG = 1}).categories({{21, 2}, {9, -1}});
    for (int k = 1; k <= 6; ++k) {
        league.player({.playerid = k, .lastname = "PG", .ftm = 10 * k, .turnovers = k, .PG = 1});
    }
    league.load();

    ASSERT_TRUE(calcRanks(program.state, program.dialogs));

    // Points 2 x 10k - k = 19k: 114, 95, 76, 57 start; baseline 57.
    EXPECT_DOUBLE_EQ(vbd(league, 6), 57);
    EXPECT_DOUBLE_EQ(vbd(league, 3), 0);
    EXPECT_DOUBLE_EQ(vbd(league, 1), -38);
    EXPECT_EQ(league.rank(6), 1);
    EXPECT_EQ(league.rank(1), 6);
}

}  // namespace quorvane::test
