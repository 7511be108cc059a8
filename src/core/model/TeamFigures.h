// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "model/DraftModel.h"

namespace quorvane {

// What a team holds in the draft, read from the model's picks (keepers included). Each leaves
// out the pick of `exceptPlayer` when given, so that a drafted player being moved or repriced
// never counts against himself.

// The prices of the team's players.
double moneySpent(const DraftModel& model, int teamid, int exceptPlayer = 0);
// The team's players.
int playersOn(const DraftModel& model, int teamid, int exceptPlayer = 0);
// The team's players in roster slot `slot`, compared as the file compares it (ASCII letters
// without regard to case).
int slotHolders(const DraftModel& model, int teamid, std::string_view slot, int exceptPlayer = 0);
// The most the team may bid and still fill each of its other open slots at the minimum bid.
double largestBid(const DraftModel& model, int teamid);

}  // namespace quorvane
