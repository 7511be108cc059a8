// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>

#include "projections/ProjectionRow.h"
#include "projections/TableRows.h"

namespace quorvane {

// Season totals of one table row in the order of kProjectionStatColumns; a statistic the
// table does not give stays empty.
struct SeasonTotals {
    std::array<std::optional<int>, kProjectionStatCount> stats;
    std::optional<std::string> pointsDisagreement;  // when points and their parts do not agree
};

// Turns a row into whole-number season totals: per-game figures times games, made shots from
// a percentage and attempts, offensive and defensive rebounds from a total by the share given,
// made field goals from points when the table has none. Ratios of 0.5 and above round up.
SeasonTotals seasonTotals(const TableRow& row, bool perGame, double offensiveReboundShare);

// Rounds half away from zero, with a little room for the binary error of figures such as
// 5 x 0.3.
int roundFigure(double value);

}  // namespace quorvane
