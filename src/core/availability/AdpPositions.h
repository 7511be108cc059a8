// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// The average draft position a of every player of the projection season (by index into
// model.players): the mean of the ADPs imported for the season; for a player no source lists,
// his place in the draft's order of value (1 = most valuable: by dollars in an auction, the
// value rank in a snake or straight draft); a player with neither comes after all others (the
// count of players with one, plus 1). Places count every player of the season, drafted or not,
// as the grids' "value rank minus ADP" does.
std::vector<double> adpPositions(const DraftModel& model);

// How far the room strays around a position: 1 + s·a, s being the draft's "ADP spread".
double adpSpreadAt(const DraftModel& model, double position);

}  // namespace quorvane
