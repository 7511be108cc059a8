// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "room/CustomPlayerRules.h"
#include "room/PlayerLists.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Positions a custom player can be given, in list order.
inline constexpr const char* kCustomPositions[] = {"C", "PG", "SG", "PF", "SF"};
inline constexpr std::string_view kDoNotAddToTeam = "Do Not Add To Team";

// The NBA teams the projections name, in order; nullopt after the failure was shown.
std::optional<std::vector<std::string>> fillNbaTeams(ProgramState& state, UserDialogs& dialogs);

// "Add Directly toTeam:": "Do Not Add To Team" (team id 0) first, then the draft's teams.
TeamSelector fillCustomTeamList(const ProgramState& state);

// Creates the player for the projection season and the one before it and registers him, in one
// transaction. Returns his id, or nullopt after a refusal or failure was shown.
std::optional<int> addCustomPlayer(ProgramState& state, UserDialogs& dialogs,
                                   const CustomPlayer& player);

}  // namespace quorvane
