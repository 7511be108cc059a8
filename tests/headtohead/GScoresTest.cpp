// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fmt/format.h>

#include "HeadToHeadDraft.h"
#include "advice/ZScores.h"
#include "headtohead/GScores.h"

namespace quorvane::test {

// The pool is the four players. N = 2: kappa = 4 / 3.
//   PTS 1200 950 1010 610: mean 942.5, sd sqrt(181475 / 4) = 212.999413; p1 z = 257.5 / 212.999413
//     = 1.208924, shrunk by sqrt(1 + 4/3 x 1.85) = 1.861899: G 0.649296.
//   STL 90 60 130 45: mean 81.25, sd 32.475953; p1 z 0.269430 / sqrt(1 + 4/3 x 3.74) = 2.446767:
//     G 0.110117.
//   TO 150 110 190 70: mean 130, sd 44.721360; p1 z -(20 / 44.721360) = -0.447214 / 1.872610:
//     G -0.238818.
//   FG% by volume, rate 1510 / 3250 = 0.464615: impacts p1 500 - 1100 x 0.464615 = -11.076923,
//     p2 14.369231, p3 -21.692308, p4 18.4; sd 16.869271; p1 z -0.656633 / 2.016598: G -0.325614.
// Totals: p1 0.194980, p2 0.412698, p3 -0.570405, p4 -0.037273.
TEST(GScores, EachCategorysZIsShrunkByHowMuchItsWeeksSwing) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeSnake, kHeadToHeadEachCategory, false);
    const DraftModel model = loadedModel(program, league);
    const ZScores z(model);
    const GScores g(model, z);

    EXPECT_NEAR(g.kappa(), 4.0 / 3.0, 1e-12);
    const std::size_t p1 = indexOf(model, 1);
    EXPECT_NEAR(g.g(p1, categoryIndex(model, 1)), 0.649296, 1e-6);
    EXPECT_NEAR(g.g(p1, categoryIndex(model, 3)), 0.110117, 1e-6);
    EXPECT_NEAR(g.g(p1, categoryIndex(model, 9)), -0.238818, 1e-6);
    EXPECT_NEAR(g.g(p1, categoryIndex(model, 15)), -0.325614, 1e-6);
    EXPECT_NEAR(g.total(p1), 0.194980, 1e-6);
    EXPECT_NEAR(g.total(indexOf(model, 2)), 0.412698, 1e-6);
    EXPECT_NEAR(g.total(indexOf(model, 3)), -0.570405, 1e-6);
    EXPECT_NEAR(g.total(indexOf(model, 4)), -0.037273, 1e-6);
    // The z-scores themselves are those of the pick advice.
    EXPECT_NEAR(z.z(p1, categoryIndex(model, 1)), 1.208924, 1e-6);
    // Few turnovers raise a player: p4's 70 give z 60 / 44.721360 = 1.341641, G 0.716455.
    EXPECT_NEAR(g.g(indexOf(model, 4), categoryIndex(model, 9)), 0.716455, 1e-6);
}

// Weekly units, 3.5 games a week: a season figure times 3.5 / 82 = 0.042683.
//   PTS sigma 212.999413 x 0.042683 = 9.091438, tau^2 = 1.85 x 9.091438^2 = 152.910365.
//   FG% A-bar 3250 / 4 x 0.042683 = 34.679878; sigma in the ratio's units 16.869271 / 812.5 =
//   0.020762, tau^2 = 2.30 x 0.020762^2 = 0.000991457.
TEST(GScores, ScalesAreInWeeklyUnitsAndRatiosInTheirOwn) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeSnake, kHeadToHeadEachCategory, false);
    const DraftModel model = loadedModel(program, league);
    const ZScores z(model);
    const GScores g(model, z);

    const CategoryScale& points = g.scales()[categoryIndex(model, 1)];
    EXPECT_FALSE(points.ratio);
    EXPECT_NEAR(points.sigma, 9.091438, 1e-6);
    EXPECT_NEAR(points.tauSquared, 152.910365, 1e-5);
    EXPECT_NEAR(points.tau(), 12.365693, 1e-6);
    const CategoryScale& shooting = g.scales()[categoryIndex(model, 15)];
    EXPECT_TRUE(shooting.ratio);
    EXPECT_NEAR(shooting.meanAttempts, 34.679878, 1e-6);
    EXPECT_NEAR(shooting.sigma, 0.0207622, 1e-7);
    EXPECT_NEAR(shooting.tauSquared, 0.000991457, 1e-9);
    EXPECT_TRUE(g.scales()[categoryIndex(model, 9)].fewerIsBetter);
    EXPECT_FALSE(g.scales()[categoryIndex(model, 3)].fewerIsBetter);
}

// Punting steals leaves it out of the total: p1 0.649296 - 0.238818 - 0.325614 = 0.084863, p2
// 0.680124, p3 -1.183913, p4 0.418925; his steals G itself stays.
TEST(GScores, PuntedCategoriesLeaveTheTotal) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeSnake, kHeadToHeadEachCategory, false);
    program.exec(
        fmt::format("insert into DraftPunts (template_id, categoryid) values ({}, 3)", league.id));
    const DraftModel model = loadedModel(program, league);
    const ZScores z(model);
    const GScores g(model, z);

    EXPECT_NEAR(g.total(indexOf(model, 1)), 0.084863, 1e-6);
    EXPECT_NEAR(g.total(indexOf(model, 2)), 0.680124, 1e-6);
    EXPECT_NEAR(g.total(indexOf(model, 3)), -1.183913, 1e-6);
    EXPECT_NEAR(g.total(indexOf(model, 4)), 0.418925, 1e-6);
    EXPECT_NEAR(g.g(indexOf(model, 1), categoryIndex(model, 3)), 0.110117, 1e-6);
}

// M = 4: the edge is p3's -0.570405; the money above the minimum bids 2 x 200 - 4 x 1 = 396 over
// (0.765385 + 0.983103 + 0 + 0.533132) = 2.281619 gives 173.560944 a G. p2: 1 + 0.983103 x
// 173.560944 = 171.628177; p1 133.840941; p4 93.530882.
TEST(GScores, GDollarsShareTheAuctionMoneyAsZDollarsDo) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeAuction, kHeadToHeadEachCategory, false);
    const DraftModel model = loadedModel(program, league);
    const ZScores z(model);
    const GScores g(model, z);

    EXPECT_NEAR(g.money().edge, -0.570405, 1e-6);
    EXPECT_NEAR(g.money().rate, 173.560944, 1e-5);
    EXPECT_NEAR(*g.auctionDollars(indexOf(model, 2)), 171.628177, 1e-5);
    EXPECT_NEAR(*g.auctionDollars(indexOf(model, 1)), 133.840941, 1e-5);
    EXPECT_NEAR(*g.auctionDollars(indexOf(model, 4)), 93.530882, 1e-5);
    EXPECT_NEAR(*g.auctionDollars(indexOf(model, 3)), 1.0, 1e-9);
}

TEST(GScores, SnakeDraftsShowNoGDollars) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeSnake, kHeadToHeadEachCategory, false);
    const DraftModel model = loadedModel(program, league);
    const ZScores z(model);
    EXPECT_FALSE(GScores(model, z).auctionDollars(indexOf(model, 2)).has_value());
}

// The draft's own ratio for steals, 2.6: shrink sqrt(1 + 4/3 x 2.6) = 2.113449, p1's steals G
// 0.269430 / 2.113449 = 0.127484; the other categories keep the published ratios.
TEST(GScores, DraftsOwnVarianceRatioReplacesThePublishedOne) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeSnake, kHeadToHeadEachCategory, false);
    program.exec(fmt::format(
        "insert into DraftVarianceRatio (template_id, categoryid, ratio) values ({}, 3, 2.6)",
        league.id));
    const DraftModel model = loadedModel(program, league);
    const ZScores z(model);
    const GScores g(model, z);

    EXPECT_NEAR(g.scales()[categoryIndex(model, 3)].varianceRatio, 2.6, 1e-12);
    EXPECT_NEAR(g.g(indexOf(model, 1), categoryIndex(model, 3)), 0.127484, 1e-6);
    EXPECT_NEAR(g.scales()[categoryIndex(model, 1)].varianceRatio, 1.85, 1e-12);
    EXPECT_NEAR(g.g(indexOf(model, 1), categoryIndex(model, 1)), 0.649296, 1e-6);
}

}  // namespace quorvane::test
