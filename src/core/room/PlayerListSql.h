// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

struct CategoryDefinition;

// Statement pieces shared by the player lists.

// A category's value as its grid shows it: counts plainly, ratios with their decimals.
std::string categoryGridColumn(const CategoryDefinition& category);
// A category's fantasy points before the weight: ratios rounded as they are shown.
std::string categoryPointsTerm(const CategoryDefinition& category);
// Age in whole years from the year of birth.
inline constexpr std::string_view kAgeSql =
    "(cast(strftime('%Y','now') as integer) - cast(substr(dp.dob,1,4) as integer))";
std::string lowerText(std::string_view text);

}  // namespace quorvane
