// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
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

// The select list's ADP, AAV and "value rank minus ADP" columns, ADP and AAV each the mean over
// the sources that give it; empty cells for a player without a figure. The value rank is the
// draft's rank, or in an auction the place of the player's dollar value in the season; a
// negative difference marks a player the room is likely to take later than he is worth.
std::string adpSelectColumns(bool auction);
// Joins each player's figures of the season to `dp`.
std::string adpJoin(int season);
// The order a heading (lower case) sorts by, players without the figure last; nullopt for a
// heading that is not one of these columns.
std::optional<std::string> adpOrder(std::string_view loweredHeading, bool auction);

}  // namespace quorvane
