// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <vector>

#include "headtohead/WeekChances.h"

namespace quorvane::test {

namespace {

CategoryWeek counting(double mean, int players, double tauSquared) {
    return {mean, players * tauSquared, true};
}

}  // namespace

// 13 players a side: V = 2 x 13 x 508.3 = 13215.8, sqrt 114.959993, 40 / 114.96 = 0.347947,
// Phi(0.347947) = 0.636060. With tau^2 = 4.519: V = 117.494, 2 / 10.839465 = 0.184511, 0.573194.
TEST(WeekChances, CountingCategoryChanceIsTheNormalOfTheEdgeOverTheSpread) {
    EXPECT_NEAR(categoryWinChance(counting(1040.0, 13, 508.3), counting(1000.0, 13, 508.3), false),
                0.636060, 1e-6);
    EXPECT_NEAR(categoryWinChance(counting(25.0, 13, 4.519), counting(23.0, 13, 4.519), false),
                0.573194, 1e-6);
    // The other side of the same week: 1 - 0.636060.
    EXPECT_NEAR(categoryWinChance(counting(1000.0, 13, 508.3), counting(1040.0, 13, 508.3), false),
                0.363940, 1e-6);
}

// Turnovers: 14.5 against 17 with V = 9 x 3.1 + 11 x 3.1 = 62, (17 - 14.5) / 7.874008 = 0.317500,
// Phi = 0.624568 for the team with fewer.
TEST(WeekChances, FewerTurnoversWin) {
    const CategoryWeek fewer = counting(14.5, 9, 3.1);
    const CategoryWeek more = counting(17.0, 11, 3.1);
    EXPECT_NEAR(categoryWinChance(fewer, more, true), 0.624568, 1e-6);
    EXPECT_NEAR(categoryWinChance(more, fewer, true), 0.375432, 1e-6);
    EXPECT_NEAR(categoryWinChance(fewer, more, false), 0.375432, 1e-6);
}

TEST(WeekChances, EmptyTeamsAndTeamsWithoutAttempts) {
    const CategoryWeek empty{0.0, 0.0, true};
    // Two empty teams split the category; an empty team against 3 players of mean 7.25 and
    // variance 3 x 2.2 = 6.6 loses with Phi(-7.25 / 2.569047) = Phi(-2.822058) = 0.002386.
    EXPECT_DOUBLE_EQ(categoryWinChance(empty, empty, false), 0.5);
    EXPECT_NEAR(categoryWinChance(empty, counting(7.25, 3, 2.2), false), 0.002386, 1e-6);
    // Fewer is better: the empty team's 0 turnovers beat 7.25 with 0.997614.
    EXPECT_NEAR(categoryWinChance(empty, counting(7.25, 3, 2.2), true), 0.997614, 1e-6);

    const CategoryWeek noAttempts{0.0, 0.0, false};
    const CategoryWeek shooting{0.4375, 0.0007, true};
    EXPECT_DOUBLE_EQ(categoryWinChance(noAttempts, shooting, false), 0.0);
    EXPECT_DOUBLE_EQ(categoryWinChance(shooting, noAttempts, false), 1.0);
    EXPECT_DOUBLE_EQ(categoryWinChance(noAttempts, noAttempts, false), 0.5);
}

// Nine categories at 0.6: the chance of 5 or more wins is 0.733432. Chances (0.7 0.7 0.7 0.6 0.5
// 0.5 0.4 0.3 0.2): expected wins 4.6, the week 0.530252. Eight at 0.6: P(5..8) = 0.232243 +
// 0.209019 + 0.089580 + 0.016796 = 0.547638 plus half of P(4) = 0.278692 gives 0.710208.
TEST(WeekChances, MostCategoriesCountsTheWinsOneCategoryAtATime) {
    EXPECT_NEAR(weekWinChance(std::vector<double>(9, 0.6)), 0.733432, 1e-6);
    const std::vector<double> mixed{0.7, 0.7, 0.7, 0.6, 0.5, 0.5, 0.4, 0.3, 0.2};
    EXPECT_NEAR(expectedCategoryWins(mixed), 4.6, 1e-12);
    EXPECT_NEAR(weekWinChance(mixed), 0.530252, 1e-6);
    EXPECT_NEAR(weekWinChance(std::vector<double>(8, 0.6)), 0.710208, 1e-6);
}

// Three categories (0.9, 0.2, 0.65): no win 0.1 x 0.8 x 0.35 = 0.028; two wins 0.9 x 0.2 x 0.35
// + 0.9 x 0.8 x 0.65 + 0.1 x 0.2 x 0.65 = 0.544; three 0.117; the week 0.544 + 0.117 = 0.661.
TEST(WeekChances, OddCategoryCountHasNoTie) {
    EXPECT_NEAR(weekWinChance(std::vector<double>{0.9, 0.2, 0.65}), 0.661, 1e-12);
    EXPECT_NEAR(expectedCategoryWins(std::vector<double>{0.9, 0.2, 0.65}), 1.75, 1e-12);
    // Two categories at 0.5: one win each way is a tie worth one half, 0.25 + 0.5 x 0.5.
    EXPECT_NEAR(weekWinChance(std::vector<double>{0.5, 0.5}), 0.5, 1e-12);
    // Without categories every week is a tie.
    EXPECT_DOUBLE_EQ(weekWinChance(std::vector<double>{}), 0.5);
}

TEST(WeekChances, NormalTailsStayExact) {
    EXPECT_NEAR(normalCdf(0.0), 0.5, 1e-15);
    EXPECT_NEAR(normalCdf(1.0), 0.841345, 1e-6);
    // erfc keeps the far tail: 1 - Phi(9) would round to 0 as a difference.
    EXPECT_NEAR(normalCdf(-9.0) / 1.128588e-19, 1.0, 1e-5);
}

}  // namespace quorvane::test
