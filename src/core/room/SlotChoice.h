// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "room/PickChecks.h"

namespace quorvane {

struct DraftSession;

// The slots a player may fill, best first: his own position, his other listed positions (PG,
// SG, SF, PF, C), G for a guard and F for a forward, then UT and R.
std::vector<std::string> eligibleSlots(const std::string& pos,
                                       const std::vector<std::string>& listed);

// Puts the player's eligible slots first, in the order given, and the draft's other slots after
// them in their usual order; every slot stays on offer. The selection follows its slot.
PositionChoice putEligibleSlotsFirst(PositionChoice choice,
                                     const std::vector<std::string>& eligible);

// The slot the pick window preselects for a player joining team `teamid`: the first eligible
// slot of the draft that the team has not filled. When every one is full, the player's natural
// choice (fillPosition), so that the slot question is asked as before. The list offers the
// slots he may fill first (putEligibleSlotsFirst). nullopt after a failed read, which is logged.
std::optional<PositionChoice> preselectSlot(DraftSession& session, int playerid, int teamid);

}  // namespace quorvane
