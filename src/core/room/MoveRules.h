// SPDX-License-Identifier: MIT
#pragma once

#include "model/DraftModel.h"
#include "room/MoveRequests.h"
#include "vocabulary/Decision.h"

namespace quorvane {

// A move: refused for a team not of the draft ("No Team Selected") and an auction price that is
// not a number from 0 to the league's whole pot ("Invalid Bid"); otherwise asks, in this order,
// whether an auction's team may go past its money and whether the team may go past its slots of
// that kind. The player's own pick never counts against him: moved within his team he frees what
// he held.
Decision decideMove(const DraftModel& model, const MoveRequest& request);

// A drop always goes (with the draft's settings held).
Decision decideDrop(const DraftModel& model, const DropRequest& request);

}  // namespace quorvane
