// SPDX-License-Identifier: MIT
#pragma once

#include "model/DraftModel.h"
#include "room/KeeperRequests.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// The writers of keepers, framed as the turn writers are (room/TurnWriters.h): under the
// writer's lock they read again what another program changed, decide again (decideKeeper,
// decideKeeperRemoval), write in one transaction and change `model` as they changed the file.
// A keeper holds no turn, so neither moves it.

// Stores the player on the team with pick number 0 and the price (0 outside auctions), and
// records him in the turn history as a keeper.
Outcome<KeeperAdded> writeKeeper(Connection& connection, DraftModel& model,
                                 const KeeperRequest& request, const Consent& consent = {});

// Takes the keeper off his team and takes his entry of the turn history back; a player who is
// no keeper comes back as not removed, with nothing changed.
Outcome<KeeperRemoved> writeKeeperRemoval(Connection& connection, DraftModel& model,
                                          const KeeperRemovalRequest& request,
                                          const Consent& consent = {});

}  // namespace quorvane
