// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "store/SqlValue.h"

namespace quorvane {

struct DraftSettings;

// Small value helpers shared by the rosters, the money list, the pick and move windows.

// True when the value is a number that, held in single precision, has no fractional part.
bool isWholeNumber(const SqlValue& value);
// "0" for empty, null or blank text; the text unchanged otherwise.
std::string zeroIfBlank(std::string_view text);
std::string textOrDefault(const SqlValue& value, std::string_view fallback);
// Smallest whole number not below x.
int roundUp(double x);
double valueUnlessEqual(double a, double b, double c);
// 0 below zero, otherwise the value rounded to the nearest whole number (halves to even).
int nonNegativeInteger(double value);
// round.selection.overall of an overall pick number in a league of `teams` teams.
std::string pickLabel(int overall, int teams);

// Money figures show no decimals while the cap and the minimum bid are whole dollars, else two.
int priceDecimals(const DraftSettings& draft);
// A money figure with the price decimals, a leading zero, a minus sign and digit grouping.
std::string formatPrice(double value, int decimals);

}  // namespace quorvane
