// SPDX-License-Identifier: MIT
// A usual nine-category league worked out completely by hand, before the draft and with
// inflation after two picks.
#include <gtest/gtest.h>

#include <array>

#include "LeagueFixture.h"
#include "session/ValuationConversation.h"
#include "valuation/DollarValues.h"
#include "valuation/Ranks.h"

namespace quorvane::test {

namespace {

// Columns as in StatLine: id, games, fta, ftm, fga, fgm, pt3a, pt3m, oreb, dreb, assists,
// steals, blocks, turnovers, double-doubles, triple-doubles, centre.
constexpr std::array<StatLine, 8> kPlayers = {{
    {1, 71, 263, 219, 1187, 563, 401, 143, 97, 389, 457, 103, 37, 211, 29, 7, 0},
    {2, 79, 181, 137, 1043, 491, 517, 191, 41, 283, 613, 127, 19, 239, 13, 3, 0},
    {3, 64, 347, 281, 1301, 677, 89, 23, 211, 587, 173, 61, 131, 157, 41, 1, 1},
    {4, 82, 149, 127, 877, 389, 331, 127, 59, 233, 281, 89, 29, 131, 5, 0, 0},
    {5, 58, 97, 71, 613, 277, 211, 73, 37, 167, 139, 47, 23, 97, 2, 0, 0},
    {6, 77, 301, 199, 1099, 601, 13, 2, 257, 643, 149, 53, 167, 173, 47, 0, 1},
    {7, 69, 211, 151, 787, 421, 67, 19, 181, 457, 97, 43, 89, 119, 31, 0, 1},
    {8, 61, 123, 79, 521, 283, 7, 1, 149, 331, 59, 29, 113, 83, 17, 0, 1},
}};

// Three teams with one C and one G slot each, $131 each, $1 minimum bid, categories FGP, FTP,
// 3PT, PTS, REB, AST, STL, BLK, TO with the shipped denominators. The terms (T - 1 = 2):
//   FGP ((1000 + fgm)/(2064 + fga) - .484)/.002   FTP ((490 + ftm)/(592 + fta) - .828)/.005
//   3PT pt3m/65   PTS (ftm + 2 fgm + pt3m)/290   REB (oreb + dreb)/165   AST assists/130
//   STL steals/25   BLK blocks/34   TO turnovers/-51
//   id     FGP      FTP     3PT     PTS     REB     AST     STL     BLK      TO      SGP
//    1  -1.6124   0.2480  2.2000  5.1310  2.9455  3.5154  4.1200  1.0882 -4.1373  13.4984
//    2  -2.0579  -3.3749  2.9385  4.5172  1.9636  4.7154  5.0800  0.5588 -4.6863   9.6544
//    3   7.1828  -1.3827  0.3538  5.7172  4.8364  1.3308  2.4400  3.8529 -3.0784  21.2527 C
//    4  -5.8558   0.9317  1.9538  3.5586  1.7697  2.1615  3.5600  0.8529 -2.5686   6.3639
//    5  -3.4867  -2.7553  1.1231  2.4069  1.2364  1.0692  1.8800  0.6765 -1.9020   0.2480
//    6  11.0825 -11.2887  0.0308  4.8379  5.4545  1.1462  2.1200  4.9118 -3.3922  14.9028 C
//    7   7.2108  -5.9487  0.2923  3.4897  3.8667  0.7462  1.7200  2.6176 -2.3333  11.6612 C
//    8   6.1625  -6.4392  0.0154  2.2276  2.9091  0.4538  1.1600  3.3235 -1.6275   8.1853 C
// The league rosters 3 centres (3, 6, 7: level 11.661208) and 3 others (1, 2, 4: level
// 6.363899); exact SGP: 1 13.498380306574, 2 9.654436242879, 3 21.252746344805,
// 4 6.363898550481, 5 0.248041264847, 6 14.902834197624, 7 11.661207926483, 8 8.185301299480.
League nineCategoryLeague(TestProgram& program) {
    League league(program, 3, kDraftTypeAuction, kScoringRotisserie);
    league.rosterSlots({.C = 1, .G = 1})
        .money(131, 1)
        .categories({{15, 1}, {14, 1}, {16, 1}, {1, 1}, {5, 1}, {2, 1}, {3, 1}, {28, 1}, {9, 1}});
    for (const StatLine& player : kPlayers) {
        league.player(player);
    }
    league.load();
    return league;
}

void expectValues(League& league, const std::array<double, 8>& sgp,
                  const std::array<double, 8>& dollars) {
    for (std::size_t i = 0; i < kPlayers.size(); ++i) {
        const int playerid = kPlayers[i].playerid;
        EXPECT_NEAR(league.sgpAboveLevel(playerid), sgp[i], 1e-9) << playerid;
        EXPECT_NEAR(league.dollars(playerid), dollars[i], 1e-9) << playerid;
    }
}

// SGP above the level: 13.498380 - 6.363899 = 7.134482, 9.654436 - 6.363899 = 3.290538,
// 21.252746 - 11.661208 = 9.591538, 0, 0.248041 - 6.363899 = -6.115857,
// 14.902834 - 11.661208 = 3.241626, 0, 8.185301 - 11.661208 = -3.475907.
constexpr std::array<double, 8> kSgpAboveLevel = {7.134481756092784,
                                                  3.290537692398301,
                                                  9.591538418321822,
                                                  0.0,
                                                  -6.11585728563349,
                                                  3.241626271141177,
                                                  0.0,
                                                  -3.47590662700296};

}  // namespace

TEST(NineCategoryLeague, ValuesAndRanksEveryPlayerFromHisNineTerms) {
    TestProgram program;
    League league = nineCategoryLeague(program);

    ASSERT_TRUE(calcRanks(program.state, program.dialogs));

    // Pool: 9.591538 + 3.241626 + 0 + 7.134482 + 3.290538 + 0 = 23.258184 SGP; the pot is
    // 3 x 131 - (6 - 3) = 390, so $16.768291 a point: $ = 1 + SGP above x 390 / 23.258184.
    expectValues(league, kSgpAboveLevel,
                 {120.63306629495733, 56.176693607011075, 161.83370743639503, 1.0,
                  -101.55247474392363, 55.356532661636585, 1.0, -57.28501384676029});
    // By dollars: 3, 1, 2, 6, then 4 and 7 tied at $1, 8, 5.
    const std::array<int, 8> ranks = {2, 3, 1, 5, 8, 4, 5, 7};
    for (std::size_t i = 0; i < kPlayers.size(); ++i) {
        EXPECT_EQ(league.rank(kPlayers[i].playerid), ranks[i]) << kPlayers[i].playerid;
    }
}

TEST(NineCategoryLeague, InflationValuesThePlayersLeftWithTheMoneyLeft) {
    TestProgram program;
    League league = nineCategoryLeague(program);
    league.pick(6, 1, "C", 47).pick(2, 2, "G", 38);
    program.state.showInflation = true;

    ASSERT_TRUE(calcDollarValues(program.state, program.state.showInflation));

    // The levels stay those of the full league. Left to buy: 3 - 1 centres (3, 7) and 3 - 1
    // others (1, 4): 9.591538 + 0 + 7.134482 + 0 = 16.726020 SGP. Money left
    // 393 - 47 - 38 = 308, less 6 - 2 - 3 = 1 slot dollar: 307, so $18.354635 a point.
    expectValues(league, kSgpAboveLevel,
                 {131.95081055031324, 61.396619221561714, 177.0491894496867, 1.0,
                  -111.25432990697647, 60.49886792332364, 1.0, -62.79899840861313});
}

}  // namespace quorvane::test
