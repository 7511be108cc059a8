// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "availability/Availability.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

// Below this share a player is likely gone before the user's next turn.
inline constexpr double kLikelyGone = 0.25;
// Follows such a player's Avail. A mark in the cell rather than a row colour, which the flags
// (sleeper, bust, upside) already use.
inline constexpr const char* kLikelyGoneMark = " \u25bc";

// The figures of one run by playerid, with what they were worked out for: the draft and its
// state (see availabilityKey), so that a window can tell figures of an older state.
struct AvailabilityShown {
    std::string key;
    std::unordered_map<int, PlayerAvailability> players;
};
AvailabilityShown availabilityShown(const DraftModel& model, const AvailabilityFigures& figures,
                                    std::string key);

// What the figures depend on: the draft, its picks, the turn and the spread. Two models with the
// same key give the same figures from the same seed.
std::string availabilityKey(const DraftModel& model);

std::vector<std::string> availabilityHeadings();

// Appends "Avail", "Avail 2" (whole percents) and "xVONA" (two decimals) to every row of the
// available-players grid, after every other column so that the grid's sort columns keep their
// numbers; blank while `shown` is null or for a player it has no figure for. The Avail of a player
// likely gone (below 25%) carries kLikelyGoneMark.
void addAvailabilityColumns(GridTable& grid, const AvailabilityShown* shown);

}  // namespace quorvane
