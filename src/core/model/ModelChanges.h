// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// What the room's other writers change in the file, done to the held model so that it stands
// for the file again without a new read. Each mirrors its statement exactly; a player or pick
// the model does not hold is left alone, as the statement would find no row.

// A keeper taken off his team; a pick that is not a keeper's stays.
void applyKeeperRemoved(DraftModel& model, int playerid);

// A drafted player given another team, slot or price: the pick keeps its number and its place
// in recording order. Without a price (outside auctions) the price stays what it was.
void applyMove(DraftModel& model, int playerid, int teamid, const std::string& slot,
               std::optional<double> price);

// The player's pick taken away, only when it is on `teamid`.
void applyDrop(DraftModel& model, int playerid, int teamid);

// The flag is stored on every season's row of the player.
void applyFlag(DraftModel& model, int playerid, int flag);

// The note belongs to the projection season's row only.
void applyNote(DraftModel& model, int playerid, const std::string& note);

// Rows of a player new to the file (any seasons), each put in its place by playerid and season.
void applyAddedPlayer(DraftModel& model, std::vector<ModelPlayer> rows);

}  // namespace quorvane
