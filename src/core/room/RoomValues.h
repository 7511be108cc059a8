// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

struct DraftSettings;

// Small value helpers shared by the rosters, the money list, the pick and move windows.

// 0 below zero, otherwise the value rounded to the nearest whole number (halves to even).
int nonNegativeInteger(double value);
// round.selection.overall of an overall pick number in a league of `teams` teams.
std::string pickLabel(int overall, int teams);

// Money figures show no decimals while the cap and the minimum bid are whole dollars, else two.
int priceDecimals(const DraftSettings& draft);
// A money figure with the price decimals, a leading zero, a minus sign and digit grouping.
std::string formatPrice(double value, int decimals);
// A sum of money as people write it: "$1,234.50", and a debt "\u2212$34.53" (the minus sign
// before the dollar sign).
std::string formatMoney(double value, int decimals);

}  // namespace quorvane
