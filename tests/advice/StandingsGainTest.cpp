// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "AdviceLeague.h"
#include "teamadvice/TeamAdvice.h"

namespace quorvane::test {

namespace {

// Three teams with one starting slot (UT) and one reserve, scoring points (1) and field-goal
// percentage (15). Points are 2 x fgm + ftm.
//   p1 23 pts .500 (team 2, UT)   p2 19 pts .600   p3 19 pts .350   p4 12 pts .750
//   p5 42 pts .4565 (21/46)       p6 7 pts .333    p7 (team 3, reserve: counts nowhere)
// Open slots: team 1 one, team 2 none, team 3 one; the pool is the best two available by rank,
// p2 and p3, whose average player has 19 pts and 16/35 = .457 (rounded as the standings do).
AdviceLeague& gainLeague(AdviceLeague& l) {
    l.league.rosterSlots({.UT = 1, .R = 1}).categories({{1, 1}, {15, 1}});
    l.player({.playerid = 1, .fgm = 10, .fga = 20, .ftm = 3, .rank = 1})
        .player({.playerid = 2, .fgm = 9, .fga = 15, .ftm = 1, .rank = 2})
        .player({.playerid = 3, .fgm = 7, .fga = 20, .ftm = 5, .rank = 3})
        .player({.playerid = 4, .fgm = 6, .fga = 8, .rank = 4})
        .player({.playerid = 5, .fgm = 21, .fga = 46, .rank = 5})
        .player({.playerid = 6, .fgm = 3, .fga = 9, .ftm = 1, .rank = 6})
        .player({.playerid = 7, .fgm = 50, .fga = 60, .ftm = 20, .rank = 7})
        .pick(1, 2, "UT")
        .pick(7, 3, "R");
    return l;
}

std::vector<int> order(const TeamAdvice& advice) {
    std::vector<int> ids;
    for (const AdviceRow& row : advice.rows()) {
        ids.push_back(row.playerid);
    }
    return ids;
}

std::optional<double> gainOf(const TeamAdvice& advice, int playerid) {
    for (const AdviceRow& row : advice.rows()) {
        if (row.playerid == playerid) {
            return row.gain;
        }
    }
    ADD_FAILURE() << "no row for player " << playerid;
    return std::nullopt;
}

double categoryGain(const TeamAdvice& advice, int playerid, int categoryid) {
    for (const CategoryAdvice& category : advice.categories(playerid)) {
        if (category.categoryid == categoryid) {
            return category.gain.value_or(-99.0);
        }
    }
    ADD_FAILURE() << "no category " << categoryid;
    return -99.0;
}

}  // namespace

// Expected standings: team 2 (p1: 23, .500) scores 3 in both; teams 1 and 3 (the average
// player: 19, .457) tie below it with 1.5 each.
TEST(StandingsGain, ReplacingTheAveragePlayerScoresRankPointsWithTiesSharedByHalves) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    const DraftModel model = gainLeague(league).model();
    const TeamAdvice advice(model, 0);  // team 1, the user's

    // p2: 19 pts ties team 3 (1.5, +0); .600 beats both (3, +1.5).
    EXPECT_DOUBLE_EQ(categoryGain(advice, 2, 1), 0.0);
    EXPECT_DOUBLE_EQ(categoryGain(advice, 2, 15), 1.5);
    // p5: 42 pts beats both (+1.5); 21/46 = .45652 shows as .457 and ties team 3 (+0), though
    // it is below 16/35 = .45714 unrounded.
    EXPECT_DOUBLE_EQ(categoryGain(advice, 5, 1), 1.5);
    EXPECT_DOUBLE_EQ(categoryGain(advice, 5, 15), 0.0);
    // p4: 12 pts last (1, -0.5), .750 first (+1.5) = 1.0; p3: 19 pts tie (+0), .350 last (-0.5);
    // p6: last in both, -0.5 - 0.5.
    EXPECT_EQ(gainOf(advice, 4), 1.0);
    EXPECT_EQ(gainOf(advice, 3), -0.5);
    EXPECT_EQ(gainOf(advice, 6), -1.0);
    // Equal gains keep the draft's order of value: p2 (rank 2) before p5 (rank 5).
    EXPECT_EQ(order(advice), (std::vector<int>{2, 5, 4, 3, 6}));
}

TEST(StandingsGain, IsBlankForATeamWithoutAnOpenSlotAndReservesLeaveSlotsOpen) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    const DraftModel model = gainLeague(league).model();

    const TeamAdvice full(model, 1);  // team 2: p1 fills its one slot
    for (const AdviceRow& row : full.rows()) {
        EXPECT_FALSE(row.gain.has_value()) << row.playerid;
    }
    // Team 3's reserve p7 (50 fgm) is not in its totals: it stands like team 1.
    const TeamAdvice withReserve(model, 2);
    EXPECT_EQ(gainOf(withReserve, 2), 1.5);
    EXPECT_EQ(gainOf(withReserve, 6), -1.0);
}

TEST(StandingsGain, APuntedCategoryAddsNothingToTheTotalButStillShows) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    const DraftModel model = gainLeague(league).punt(15).model();
    const TeamAdvice advice(model, 0);

    // Points alone: p5 +1.5; p2 and p3 tie team 3 (+0); p4 and p6 last (-0.5).
    EXPECT_EQ(gainOf(advice, 5), 1.5);
    EXPECT_EQ(gainOf(advice, 2), 0.0);
    EXPECT_EQ(gainOf(advice, 4), -0.5);
    EXPECT_EQ(order(advice), (std::vector<int>{5, 2, 3, 4, 6}));
    EXPECT_DOUBLE_EQ(categoryGain(advice, 2, 15), 1.5);
    EXPECT_TRUE(advice.categories(2)[1].punted);
}

// Points (1) and turnovers (9); team 2 holds q1 (20 pts, 5 TO). The pool q2, q3 averages
// 14 pts and 3 TO, so teams 1 and 3 beat team 2 in turnovers (2.5 each, team 2 1).
TEST(StandingsGain, FewerTurnoversWinTheTurnoverCategory) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    league.league.rosterSlots({.UT = 1}).categories({{1, 1}, {9, 1}});
    league.player({.playerid = 1, .fgm = 10, .turnovers = 5, .rank = 1})
        .player({.playerid = 2, .fgm = 8, .turnovers = 2, .rank = 2})
        .player({.playerid = 3, .fgm = 6, .turnovers = 4, .rank = 3})
        .player({.playerid = 4, .fgm = 5, .turnovers = 1, .rank = 4})
        .player({.playerid = 5, .fgm = 9, .turnovers = 7, .rank = 5})
        .pick(1, 2, "UT");
    const DraftModel model = league.model();
    const TeamAdvice advice(model, 0);

    // q2 (16, 2): second in points (+0.5), fewest turnovers (3, +0.5).
    EXPECT_EQ(gainOf(advice, 2), 1.0);
    // q4 (10, 1): last in points (-0.5), fewest turnovers (+0.5).
    EXPECT_EQ(gainOf(advice, 4), 0.0);
    // q3 (12, 4): last in points (-0.5); 4 beats team 2's 5 but not team 3's 3 (2, -0.5).
    EXPECT_EQ(gainOf(advice, 3), -1.0);
    // q5 (18, 7): second in points (+0.5); most turnovers (1, -1.5).
    EXPECT_EQ(gainOf(advice, 5), -1.0);
    EXPECT_DOUBLE_EQ(categoryGain(advice, 5, 9), -1.5);
}

// Weights 1 per point and 100 per unit of field-goal percentage. The average pool player has
// 19 + 100 x 16/35 = 64.714286 fantasy points (the ratio of his summed makes and attempts).
TEST(StandingsGain, InAPointsLeagueIsFantasyPointsAboveTheAveragePoolPlayer) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringPoints);
    gainLeague(league).league.categories({{1, 1}, {15, 100}});
    const DraftModel model = league.model();
    const TeamAdvice advice(model, 0);

    // p4: 12 + 100 x .75 = 87 -> 22.285714; p5: 42 + 100 x 21/46 = 87.652174 -> 22.937888.
    EXPECT_NEAR(*gainOf(advice, 4), 22.285714, 1e-6);
    EXPECT_NEAR(*gainOf(advice, 5), 22.937888, 1e-6);
    // Per category: p4's percentage is worth 100 x (.75 - .457143) = 29.285714.
    EXPECT_NEAR(categoryGain(advice, 4, 15), 29.285714, 1e-6);
    EXPECT_EQ(order(advice).front(), 5);
}

}  // namespace quorvane::test
