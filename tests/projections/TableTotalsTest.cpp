// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "projections/TableTotals.h"

namespace quorvane {
namespace {

std::size_t column(std::string_view name) {
    const auto found =
        std::find(kProjectionStatColumns.begin(), kProjectionStatColumns.end(), name);
    return static_cast<std::size_t>(found - kProjectionStatColumns.begin());
}

TEST(TableTotals, AttemptsComeFromMadeShotsAndTheirPercentage) {
    TableRow row;
    row.games = 71;
    row.freeThrows.made = 3.4;
    row.freeThrows.fraction = 0.815;

    const SeasonTotals totals = seasonTotals(row, true, 0.25);

    EXPECT_EQ(totals.stats[column("ftm")], 241);  // 3.4 x 71 = 241.4
    EXPECT_EQ(totals.stats[column("fta")], 296);  // 3.4 / .815 x 71 = 296.2
}

// Per game 21.6 points beside 7.7 FGM, 2.3 3PM and 3.7 FTM (21.4): one decimal's rounding.
// Over 71 games: 1534 points against 2 x 547 + 163 + 263 = 1520.
TEST(TableTotals, PointsMayMissTheirPartsByThePerGameRoundingOnlyInAPerGameTable) {
    SeasonTotals totals;
    totals.games = 71;
    totals.points = 1534;
    totals.stats[column("fgm")] = 547;
    totals.stats[column("pt3m")] = 163;
    totals.stats[column("ftm")] = 263;
    ProjectionRow row;

    // 14 off is within 0.25 x 71 + 2.5 = 20.25.
    EXPECT_EQ(layTotalsOver(totals, true, row), std::nullopt);
    EXPECT_EQ(row.stats[column("fgm")], 547);
    // A table of season totals is allowed only 2.5.
    EXPECT_EQ(layTotalsOver(totals, false, row), "1534 points, but 2 x FGM + 3PM + FTM = 1520");
}

// A pasted table of totals gives points, threes and the free-throw percentage, not made field
// goals: .852 x 352 = 299.904 free throws made, 300 once rounded, would leave
// (1650 - 151 - 300) / 2 = 599.5 field goals, and 1651 points once rounded up.
TEST(TableTotals, GivenPointsAreKeptAndARoundedMadeFigureTakesTheOddPoint) {
    TableRow row;
    row.points = 1650;
    row.threes.made = 151;
    row.freeThrows.fraction = 0.852;
    row.freeThrows.attempted = 352;
    ProjectionRow stored;

    const SeasonTotals totals = seasonTotals(row, false, 0.25);
    EXPECT_EQ(layTotalsOver(totals, false, stored), std::nullopt);

    EXPECT_EQ(stored.stats[column("ftm")], 299);  // back towards 299.904
    EXPECT_EQ(stored.stats[column("fgm")], 600);
    EXPECT_EQ(stored.stats[column("pt3m")], 151);
    // 2 x 600 + 151 + 299
    EXPECT_EQ(2 * stored.stats[column("fgm")] + stored.stats[column("pt3m")] +
                  stored.stats[column("ftm")],
              1650);
}

// Points, threes and free throws all written by the table, 1000 - 120 - 211 = 669 odd: only a
// written figure can move, and the report says which.
TEST(TableTotals, WhenEveryFigureIsWrittenTheFreeThrowsTakeTheOddPointAndSaySo) {
    TableRow row;
    row.points = 1000;
    row.threes.made = 120;
    row.freeThrows.made = 211;
    row.freeThrows.attempted = 250;
    ProjectionRow stored;

    EXPECT_EQ(layTotalsOver(seasonTotals(row, false, 0.25), false, stored),
              "1000 points leave half a field goal beside 120 3PM and 211 FTM: FTM taken as 212");
    EXPECT_EQ(stored.stats[column("ftm")], 212);
    EXPECT_EQ(stored.stats[column("fgm")], 334);  // (1000 - 120 - 212) / 2

    // Without attempts to spare (FTM = FTA), the free throws move down.
    row.freeThrows.attempted = 211;
    ProjectionRow full;
    layTotalsOver(seasonTotals(row, false, 0.25), false, full);
    EXPECT_EQ(full.stats[column("ftm")], 210);
    EXPECT_EQ(full.stats[column("fgm")], 335);  // (1000 - 120 - 210) / 2
}

// Free throws the table wrote stay; threes from 3P% .352 x 341 = 120.03 -> 120 take the odd
// point of 1000 - 120 - 211 instead, up towards 120.03: (1000 - 121 - 211) / 2 = 334.
TEST(TableTotals, AFigureFromAPercentageTakesTheOddPointBeforeOneTheTableWrote) {
    TableRow row;
    row.points = 1000;
    row.threes.fraction = 0.352;
    row.threes.attempted = 341;
    row.freeThrows.made = 211;
    row.freeThrows.attempted = 250;
    ProjectionRow stored;

    EXPECT_EQ(layTotalsOver(seasonTotals(row, false, 0.25), false, stored), std::nullopt);
    EXPECT_EQ(stored.stats[column("ftm")], 211);
    EXPECT_EQ(stored.stats[column("pt3m")], 121);
    EXPECT_EQ(stored.stats[column("fgm")], 334);
}

// A table of totals with percentages: FTM .794 x 431 = 342.21 -> 342, FGM .517 x 1025 =
// 529.93 -> 530 (1452 points), from the points (1450 - 50 - 342) / 2 = 529.
TEST(TableTotals, InATableOfTotalsMadeFieldGoalsFromAPercentageYieldToThePointsTheyAgreeWith) {
    TableRow row;
    row.points = 1450;
    row.threes.made = 50;
    row.fieldGoals.fraction = 0.517;
    row.fieldGoals.attempted = 1025;
    row.freeThrows.fraction = 0.794;
    row.freeThrows.attempted = 431;
    ProjectionRow stored;

    EXPECT_EQ(layTotalsOver(seasonTotals(row, false, 0.25), false, stored), std::nullopt);
    EXPECT_EQ(stored.stats[column("fgm")], 529);
    EXPECT_EQ(stored.stats[column("ftm")], 342);

    // Points far from what the percentage gives (700 against 1452) do not override it.
    row.points = 700;
    ProjectionRow apart;
    EXPECT_EQ(layTotalsOver(seasonTotals(row, false, 0.25), false, apart),
              "700 points, but 2 x FGM + 3PM + FTM = 1452");
    EXPECT_EQ(apart.stats[column("fgm")], 530);
}

// Per game (56 games: 25.9 points, 0.9 threes, .517 of 18.3 shots, .794 of 7.7 free throws)
// the points are as rounded as the rest: 1450.4 -> 1450 against 2 x 530 + 50 + 342 = 1452, where
// FGM .517 x 1024.8 = 529.82 and FTM .794 x 431.2 = 342.37. The percentage's figure stays.
TEST(TableTotals, PerGamePointsLeaveMadeFieldGoalsFromAPercentageAsTheyAre) {
    TableRow row;
    row.games = 56;
    row.points = 25.9;
    row.threes.made = 0.9;
    row.fieldGoals.fraction = 0.517;
    row.fieldGoals.attempted = 18.3;
    row.freeThrows.fraction = 0.794;
    row.freeThrows.attempted = 7.7;
    ProjectionRow stored;

    EXPECT_EQ(layTotalsOver(seasonTotals(row, true, 0.25), true, stored), std::nullopt);
    EXPECT_EQ(stored.stats[column("fga")], 1025);
    EXPECT_EQ(stored.stats[column("fgm")], 530);
    EXPECT_EQ(stored.stats[column("ftm")], 342);
    EXPECT_EQ(stored.stats[column("pt3m")], 50);
}

}  // namespace
}  // namespace quorvane
