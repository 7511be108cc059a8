// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "AdviceLeague.h"
#include "advice/ZScores.h"

namespace quorvane::test {

namespace {

// Three teams of one starting slot (M = 3), points (1) and field-goal percentage (15):
//   p1 23 pts 10/20   p2 19 pts 9/15   p3 19 pts 7/20   p4 12 pts 6/8   p5 42 pts 21/46
//   p6 7 pts 3/9. p1 is drafted: his z-scores are his all the same.
AdviceLeague& zLeague(AdviceLeague& l) {
    l.league.rosterSlots({.UT = 1}).categories({{1, 1}, {15, 1}}).money(20, 1);
    l.player({.playerid = 1, .fgm = 10, .fga = 20, .ftm = 3, .dollars = 30.5, .rank = 1})
        .player({.playerid = 2, .fgm = 9, .fga = 15, .ftm = 1, .dollars = 20.25, .rank = 2})
        .player({.playerid = 3, .fgm = 7, .fga = 20, .ftm = 5, .dollars = 10.75, .rank = 3})
        .player({.playerid = 4, .fgm = 6, .fga = 8, .dollars = 5.5, .rank = 4})
        .player({.playerid = 5, .fgm = 21, .fga = 46, .dollars = 3.25, .rank = 5})
        .player({.playerid = 6, .fgm = 3, .fga = 9, .ftm = 1, .dollars = 1.0, .rank = 6})
        .pick(1, 2, "UT");
    return l;
}

std::size_t at(const DraftModel& model, int playerid) {
    const ModelPlayer* player = model.findPlayer(playerid);
    EXPECT_NE(player, nullptr) << playerid;
    return player == nullptr ? 0 : static_cast<std::size_t>(player - model.players.data());
}

std::vector<int> ids(const DraftModel& model, std::vector<std::size_t> indices) {
    std::vector<int> result;
    for (std::size_t index : indices) {
        result.push_back(model.players[index].playerid);
    }
    std::sort(result.begin(), result.end());
    return result;
}

}  // namespace

// Pass one, over p1 p2 p3 (best by rank): points mean 61/3, sd 1.885618; rate 26/55. Totals:
// p5 11.0815, p1 1.7135, p2 0.3403 ahead of p3 -2.0537, p4 -3.2025, p6 -7.7593.
// Pass two, over p1 p2 p5: points mean 28, sd sqrt((25 + 81 + 196) / 3) = 10.033278; rate
// 40/81, impacts p1 10 - 20 x 40/81 = 0.123457, p2 1.592593, p5 -1.716049, sd 1.353565.
TEST(ZScores, PercentagesGoByVolumeAgainstTheSecondPassPool) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    const DraftModel model = zLeague(league).model();
    const ZScores z(model);

    EXPECT_EQ(ids(model, z.pool()), (std::vector<int>{1, 2, 5}));
    EXPECT_NEAR(z.moments()[1].rate, 40.0 / 81.0, 1e-12);
    // p4, outside the pool: (12 - 28) / 10.033278 and (6 - 8 x 40/81) / 1.353565.
    EXPECT_NEAR(z.z(at(model, 4), 0), -1.594693, 1e-6);
    EXPECT_NEAR(z.z(at(model, 4), 1), 1.514063, 1e-6);
    EXPECT_NEAR(z.total(at(model, 4)), -0.080631, 1e-6);
    // p1, drafted: (23 - 28) / 10.033278 + 0.123457 / 1.353565.
    EXPECT_NEAR(z.total(at(model, 1)), -0.407133, 1e-6);
    EXPECT_FALSE(z.dollars(at(model, 1)).has_value());
}

// Final totals: p2 0.279576, p5 0.127557, p4 -0.080631 (= z_M) lead. The money above the
// minimum bids, 3 x 20 - 3 x 1 = 57, over (0.360207 + 0.208188 + 0) gives 100.282488 a z.
TEST(ZScores, ZDollarsShareTheMoneyAboveTheMthBestTotal) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeAuction, kScoringRotisserie);
    const DraftModel model = zLeague(league).model();
    const ZScores z(model);

    EXPECT_NEAR(z.poolEdge(), -0.080631, 1e-6);
    EXPECT_NEAR(z.rate(), 100.282488, 1e-5);
    EXPECT_NEAR(*z.dollars(at(model, 4)), 1.0, 1e-9);
    EXPECT_NEAR(*z.dollars(at(model, 2)), 37.122404, 1e-5);
    // Below z_M the dollars fall under the minimum bid: 1 + (-3.022175 + 0.080631) x 100.28.
    EXPECT_NEAR(*z.dollars(at(model, 3)), -293.985383, 1e-4);
}

// With points punted the totals are field-goal z alone; the second pool becomes p1 p2 p4
// (rate 25/43, impact sd 1.231168) and points still show their z: (12 - 18) / 4.546061.
TEST(ZScores, APuntedCategoryLeavesTheTotalAndMovesThePool) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    const DraftModel model = zLeague(league).punt(1).model();
    const ZScores z(model);

    EXPECT_EQ(ids(model, z.pool()), (std::vector<int>{1, 2, 4}));
    EXPECT_NEAR(z.z(at(model, 4), 0), -1.319824, 1e-6);
    // (6 - 8 x 25/43) / 1.231168
    EXPECT_NEAR(z.total(at(model, 4)), 1.095575, 1e-6);
}

// Points and turnovers; pass two pools q1 q2 q4, turnovers 5, 2, 1: mean 8/3, sd
// sqrt(78/27) = 1.699673. Free-throw attempts (22) are 0 across the pool: no spread, z 0 for
// everyone, even q5 with 6 attempts.
TEST(ZScores, TurnoversCountAgainstAndACategoryWithoutSpreadGivesZero) {
    TestProgram program;
    AdviceLeague league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    league.league.rosterSlots({.UT = 1}).categories({{1, 1}, {9, 1}, {22, 1}});
    league.player({.playerid = 1, .fgm = 10, .turnovers = 5, .rank = 1})
        .player({.playerid = 2, .fgm = 8, .turnovers = 2, .rank = 2})
        .player({.playerid = 3, .fgm = 6, .turnovers = 4, .rank = 3})
        .player({.playerid = 4, .fgm = 5, .turnovers = 1, .rank = 4})
        .player({.playerid = 5, .fgm = 9, .fta = 6, .turnovers = 7, .rank = 5});
    const DraftModel model = league.model();
    const ZScores z(model);

    EXPECT_EQ(ids(model, z.pool()), (std::vector<int>{1, 2, 4}));
    // q4: -(1 - 8/3) / 1.699673; q5: -(7 - 8/3) / 1.699673.
    EXPECT_NEAR(z.z(at(model, 4), 1), 0.980581, 1e-6);
    EXPECT_NEAR(z.z(at(model, 5), 1), -2.549510, 1e-6);
    EXPECT_EQ(z.z(at(model, 5), 2), 0.0);
    // q2: (16 - 15.333333) / 4.109609 + 0.392232.
    EXPECT_NEAR(z.total(at(model, 2)), 0.554454, 1e-6);
}

}  // namespace quorvane::test
