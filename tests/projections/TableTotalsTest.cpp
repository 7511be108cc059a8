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

}  // namespace
}  // namespace quorvane
