// SPDX-License-Identifier: MIT
#pragma once

#include "model/DraftModel.h"
#include "room/MoveRequests.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// The writers of a drafted player's move and drop, framed as the turn writers are
// (room/TurnWriters.h): under the writer's lock they read again what another program changed,
// decide again (decideMove, decideDrop), write in one transaction and change `model` as they
// changed the file.

// Gives the player's pick the request's team and slot, and in an auction its price; the pick's
// entry in the turn history names them too.
Outcome<PlayerMoved> writeMove(Connection& connection, DraftModel& model,
                               const MoveRequest& request, const Consent& consent = {});

// Deletes the player's pick on the request's team. A dropped pick leaves its turn used: its
// entry becomes a skip of that turn, as the history rebuilt from the picks would have it, so no
// later pick changes its number. A dropped keeper, or a sale (an auction numbers sales, not
// turns), is taken back.
Outcome<PlayerDropped> writeDrop(Connection& connection, DraftModel& model,
                                 const DropRequest& request, const Consent& consent = {});

}  // namespace quorvane
