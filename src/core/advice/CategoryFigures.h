// SPDX-License-Identifier: MIT
#pragma once

#include "model/DraftModel.h"

namespace quorvane {

double numeratorOf(const CategoryFormula& formula, const StatLine& stats);
// The denominator's column, or 0 for a counting category.
double denominatorOf(const CategoryFormula& formula, const StatLine& stats);

// The figure of one player, or of a team's summed columns: the count, or the ratio of the sums
// (0 when the denominator is 0), unrounded.
double figureOf(const CategoryFormula& formula, const StatLine& stats);
double figureOf(const CategoryFormula& formula, double numerator, double denominator);

// A team's figure as the standings compare it: ratios rounded half away from zero to the
// decimals they are shown with (three for percentages, two otherwise).
double standingsFigureOf(const ModelCategory& category, double numerator, double denominator);

// Fantasy points of a line: each category's figure times its weight, punted ones included (a
// points league's value does not change with what the user gives up).
double fantasyPointsOf(const DraftModel& model, const StatLine& stats);

// Rounds half away from zero at `decimals` decimals exactly as the standings' display patterns do,
// without formatting text except for values that lie on a rounding boundary.
double roundLikeStandings(double value, int decimals);

}  // namespace quorvane
