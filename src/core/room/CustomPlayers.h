// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "room/CustomPlayerRules.h"
#include "room/PlayerLists.h"

namespace quorvane {

struct DraftSession;

// Positions a custom player can be given, in list order.
inline constexpr const char* kCustomPositions[] = {"C", "PG", "SG", "PF", "SF"};
inline constexpr std::string_view kDoNotAddToTeam = "Do Not Add To Team";

// "Add Directly toTeam:": "Do Not Add To Team" (team id 0) first, then the draft's teams.
TeamSelector fillCustomTeamList(const DraftSession& session);

}  // namespace quorvane
