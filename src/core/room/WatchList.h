// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "store/WatchListRepository.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct DraftSettings;
struct ProgramState;
class UserDialogs;

// The open draft's watched players, in the order the user marked them; nullopt without a draft
// or after a failed read (logged).
std::optional<std::vector<WatchedPlayerRow>> readOpenWatchList(ProgramState& state);

// Marks the player to be watched in the open draft, or unmarks him. A failure shows the
// database message; false when nothing changed.
bool setWatched(ProgramState& state, UserDialogs& dialogs, int playerid, bool watched);
// Marks an unmarked player and unmarks a marked one; the player is watched afterwards when the
// result holds true. nullopt when nothing changed.
std::optional<bool> toggleWatched(ProgramState& state, UserDialogs& dialogs, int playerid);

// The watch list as a grid: playerid (hidden), Name, Team, Pos, the value ("$" in an auction,
// "RK" otherwise), Avail (hidden until availability figures exist) and "Taken" (the team that
// holds him, empty while he is available).
GridTable watchListGrid(const DraftSettings& draft, const std::vector<WatchedPlayerRow>& players);
// Column of the grid whose rows are struck through when its cell is not empty.
inline constexpr int kWatchTakenColumn = 6;

}  // namespace quorvane
