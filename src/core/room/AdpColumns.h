// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class Connection;

// Headings of the columns the player grids add when the season has ADP or AAV figures.
inline constexpr std::string_view kAdpHeading = "ADP";
inline constexpr std::string_view kAavHeading = "AAV";
inline constexpr std::string_view kRankMinusAdpHeading = "value rank minus ADP";
std::vector<std::string> adpHeadings();

// True when any source gave ADP or AAV figures for the season.
bool seasonHasAdp(Connection& connection, int season);

}  // namespace quorvane
