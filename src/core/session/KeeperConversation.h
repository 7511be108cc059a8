// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "room/Keepers.h"
#include "room/PlayerListView.h"
#include "room/RefreshMain.h"
#include "session/RoomRefresh.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The keepers as the desktop program and the command line hold them (session/WriteConversation.h).

// The keepers window's lists and the keeper dialog (room/Keepers.h); nullopt after the failure
// was shown.
std::optional<GridTable> fillKeeperFreeAgents(ProgramState& state, UserDialogs& dialogs);
std::optional<GridTable> fillKeepers(ProgramState& state, UserDialogs& dialogs, int teamid);
std::optional<KeeperDialog> openKeeperDialog(ProgramState& state, UserDialogs& dialogs,
                                             int playerid);

// "Done Adding Keepers": what the main window shows at once (refreshAfterPick).
RoomView doneAddingKeepers(ProgramState& state, UserDialogs& dialogs);

enum class KeeperOutcome { Added, Stopped, Failed };

// "Add Keeper": stores the player on the team with pick number 0 and the typed price (auction
// only; a blank, non-numeric or negative price is refused as an invalid bid). A player already
// on a team of the draft is refused too.
KeeperOutcome addKeeper(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                        const std::string& pos, const std::string& dollars);

// Double-click on a keeper: asks "Remove This Keeper?" and on Yes takes him off. Only keepers are
// removed this way; false when nothing was removed.
bool removeKeeper(ProgramState& state, UserDialogs& dialogs, int playerid);

// True when the player is a keeper of the open draft, as the held model has him.
bool isKeeper(ProgramState& state, UserDialogs& dialogs, int playerid);

}  // namespace quorvane
