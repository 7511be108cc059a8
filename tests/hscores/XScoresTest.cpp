// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "PuntLeague.h"
#include "hscores/XScores.h"

namespace quorvane {
namespace {

using test::PuntLeague;

constexpr std::size_t kC = 0, kG = 1, kPG = 2, kF = 4, kUT = 7, kR = 8;

// Assists, turnovers and field-goal percentage; a week is 1/20 of the season. Season lines:
//   p1 400 ast, 100 to, 300/600 fg (PG)      p2 200 ast, 160 to, 200/500 fg (PG, SG)
//   p3 120 ast,  60 to, 150/250 fg (C)       p4  80 ast,  40 to,  90/150 fg (C), not pooled
PuntLeague threeCategoryLeague() {
    PuntLeague league(2, {{2, 2.0}, {9, 1.5}, {15, 2.5}}, 2);
    using S = StatColumn;
    league
        .player(1, kPositionPG,
                {{S::Assists, 400}, {S::Turnovers, 100}, {S::Fgm, 300}, {S::Fga, 600}})
        .player(2, kPositionPG | kPositionSG,
                {{S::Assists, 200}, {S::Turnovers, 160}, {S::Fgm, 200}, {S::Fga, 500}})
        .player(3, kPositionC,
                {{S::Assists, 120}, {S::Turnovers, 60}, {S::Fgm, 150}, {S::Fga, 250}})
        .player(4, kPositionC, {{S::Assists, 80}, {S::Turnovers, 40}, {S::Fgm, 90}, {S::Fga, 150}});
    return league;
}

// tau^2 16 and 2.25 in weekly units; field goals tau^2 0.0004 in the ratio's units over a mean
// of 25 weekly attempts. Sigma^2 8, 1.5 and 0.0001.
std::vector<CategoryScale> handScales() {
    CategoryScale assists{false, false, 2.0, std::sqrt(8.0), 16.0, 0.0};
    CategoryScale turnovers{false, true, 1.5, std::sqrt(1.5), 2.25, 0.0};
    CategoryScale fieldGoals{true, false, 4.0, 0.01, 0.0004, 25.0};
    return {assists, turnovers, fieldGoals};
}

const std::vector<std::size_t> kPool = {0, 1, 2};

TEST(XScores, MeasureWeeklyFiguresOverThePoolInWeekToWeekSpreads) {
    const PuntLeague league = threeCategoryLeague();
    const std::vector<double> x = xScores(league.model, handScales(), kPool);
    // Weekly assists 20, 10, 6, 4 against the pool's 12, over tau 4. Weekly turnovers 5, 8, 3, 2
    // against 16/3, over 1.5, turned round. Field goals: the pool's rate 650/1350; his weekly
    // made less that rate times his weekly attempts, over 25 x 0.02.
    const std::vector<std::vector<double>> expected = {
        {2.0, 0.222222, 1.111111},
        {-0.5, -1.777778, -4.074074},
        {-1.5, 1.555556, 2.962963},
        {-2.0, 2.222222, 1.777778},
    };
    for (std::size_t p = 0; p < expected.size(); ++p) {
        for (std::size_t c = 0; c < 3; ++c) {
            EXPECT_NEAR(x[p * 3 + c], expected[p][c], 1e-6) << "player " << p + 1 << " " << c;
        }
    }
}

TEST(XScores, CategoryWithoutSpreadScoresNothing) {
    const PuntLeague league = threeCategoryLeague();
    std::vector<CategoryScale> scales = handScales();
    scales[0].tauSquared = 0.0;
    const std::vector<double> x = xScores(league.model, scales, kPool);
    for (std::size_t p = 0; p < 4; ++p) {
        EXPECT_EQ(x[p * 3], 0.0);
    }
    EXPECT_EQ(uncertaintyWeights(scales)[0], 0.0);
}

TEST(NeutralAndUncertaintyWeights, FollowEachCategorysSpreads) {
    const std::vector<double> neutral = neutralWeights(handScales());
    // sqrt(16/24), sqrt(2.25/3.75), sqrt(0.0004/0.0005) over their sum 2.485521.
    EXPECT_NEAR(neutral[0], 0.328501, 1e-6);
    EXPECT_NEAR(neutral[1], 0.311644, 1e-6);
    EXPECT_NEAR(neutral[2], 0.359855, 1e-6);
    const std::vector<double> uncertainty = uncertaintyWeights(handScales());
    EXPECT_NEAR(uncertainty[0], 0.5, 1e-12);
    EXPECT_NEAR(uncertainty[1], 1.5 / 2.25, 1e-12);
    EXPECT_NEAR(uncertainty[2], 0.25, 1e-9);
}

TEST(BasePositionShares, SplitFlexSlotsEquallyAndLeaveReservesOut) {
    // PG, SG, G, SF, PF, F, 2 C, 2 UT and 3 reserves: PG 1 + 1/2 + 2/5 of ten slots.
    SlotCounts usual{};
    usual[kC] = 2;
    usual[kG] = 1;
    usual[kPG] = 1;
    usual[3] = 1;  // SG
    usual[kF] = 1;
    usual[5] = 1;  // PF
    usual[6] = 1;  // SF
    usual[kUT] = 2;
    usual[kR] = 3;
    const std::vector<double> shares = basePositionShares(usual);
    EXPECT_NEAR(shares[0], 0.19, 1e-12);
    EXPECT_NEAR(shares[1], 0.19, 1e-12);
    EXPECT_NEAR(shares[2], 0.19, 1e-12);
    EXPECT_NEAR(shares[3], 0.19, 1e-12);
    EXPECT_NEAR(shares[4], 0.24, 1e-12);
    for (const double share : basePositionShares(SlotCounts{})) {
        EXPECT_NEAR(share, 0.2, 1e-12);
    }
}

TEST(PositionCovariance, MixesEachPositionsCovarianceBySlotShare) {
    PuntLeague league = threeCategoryLeague();
    SlotCounts slots{};
    slots[kPG] = 1;
    slots[kG] = 1;
    slots[kF] = 1;  // no forward in the pool: his share goes to the others
    slots[kC] = 1;
    league.slots(slots);
    const std::vector<double> x = xScores(league.model, handScales(), kPool);
    const SquareMatrix sigma = positionCovariance(league.model, x, kPool);
    // Shares PG 3/8, SG 1/8, SF 1/8, PF 1/8, C 1/4; without forwards PG holds half. Point guards:
    // p1 whole, p2 half (he also plays SG), around their weighted mean (7/6 assists); shooting
    // guards and centres have one player each and no spread.
    EXPECT_NEAR(sigma(0, 0), 0.694444, 1e-6);
    EXPECT_NEAR(sigma(0, 1), 0.555556, 1e-6);
    EXPECT_NEAR(sigma(1, 0), 0.555556, 1e-6);
    EXPECT_NEAR(sigma(1, 1), 0.444444, 1e-6);
}

}  // namespace
}  // namespace quorvane
