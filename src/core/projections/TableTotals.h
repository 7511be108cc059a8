// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>

#include "projections/TableRows.h"
#include "store/ProjectionRow.h"

namespace quorvane {

// Where a season total came from: a whole total the table gives, a per-game figure times the
// games, or a percentage of the attempts; each but the first was rounded.
enum class TotalSource { Table, PerGame, Percentage };

// Season totals of one table row in the order of kProjectionStatColumns; a statistic the
// table does not give stays empty.
struct SeasonTotals {
    std::array<std::optional<int>, kProjectionStatCount> stats;
    std::array<TotalSource, kProjectionStatCount> sources{};
    // The figure before it was rounded, for the totals that were.
    std::array<double, kProjectionStatCount> unrounded{};
    std::optional<int> points;
    double games = 1.0;  // what per-game figures were multiplied by
};

// Turns a row into whole-number season totals: per-game figures times games, made shots from
// a percentage and attempts, offensive and defensive rebounds from a total by the share given.
// Halves round away from zero.
SeasonTotals seasonTotals(const TableRow& row, bool perGame, double offensiveReboundShare);

// Lays the totals over a stored row. Given points are kept as given: without made field goals of
// the table's own they give them, from the threes and free throws the row then holds (in a table
// of totals made field goals from a percentage yield to them when the two agree within the
// rounding); where half a
// field goal would remain, a free throw or three made that was rounded or not given by the table
// takes the odd point. Points beside made field goals are checked against 2 x FGM + 3PM + FTM,
// and a disagreement beyond the rounding is described.
std::optional<std::string> layTotalsOver(const SeasonTotals& totals, bool perGame,
                                         ProjectionRow& row);

// Rounds half away from zero, with a little room for the binary error of figures such as
// 5 x 0.3.
int roundFigure(double value);

}  // namespace quorvane
