// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "store/WatchListRepository.h"
#include "vocabulary/GridTable.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;
struct DraftSettings;

// The open draft's watched players, in the order the user marked them; nullopt without a draft
// or after a failed read (logged).
std::optional<std::vector<WatchedPlayerRow>> readOpenWatchList(DraftSession& session);

// Marks the player to be watched in the open draft, or unmarks him. A failed statement is logged
// and comes back with the database message; without a draft nothing changes and nothing is said.
Outcome<Done> setWatched(DraftSession& session, int playerid, bool watched);
// Marks an unmarked player and unmarks a marked one; true when the player is watched afterwards.
// Fails as setWatched, or after the list could not be read.
Outcome<bool> toggleWatched(DraftSession& session, int playerid);

// The watch list as a grid: playerid (hidden), Name, Team, Pos, the value ("$" in an auction,
// "RK" otherwise), Avail (hidden until availability figures exist) and "Taken" (the team that
// holds him, empty while he is available).
GridTable watchListGrid(const DraftSettings& draft, const std::vector<WatchedPlayerRow>& players);
// Column of the grid whose rows are struck through when its cell is not empty.
inline constexpr int kWatchTakenColumn = 6;

}  // namespace quorvane
