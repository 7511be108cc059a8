// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// Display text of one category value in the standings and targets grids, chosen by the
// category's symbol (any case): two decimals for per-game and assist ratios, three decimals
// without a leading zero for percentages, the shortest plain text of the single-precision
// value otherwise.
std::string formatCategoryValue(std::string_view symbol, float value);

}  // namespace quorvane
