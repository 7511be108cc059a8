// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "room/PickChecks.h"

namespace quorvane {

struct ProgramState;

// The slots a player may fill, best first: his own position, his other listed positions (PG,
// SG, SF, PF, C), G for a guard and F for a forward, then UT and R.
std::vector<std::string> eligibleSlots(const std::string& pos,
                                       const std::vector<std::string>& listed);

// The slot the pick window preselects for a player joining team `teamid`: the first eligible
// slot of the draft that the team has not filled. When every one is full, the player's natural
// choice (fillPosition), so that the slot question is asked as before. nullopt after a failed
// read, which is logged.
std::optional<PositionChoice> preselectSlot(ProgramState& state, int playerid, int teamid);

}  // namespace quorvane
