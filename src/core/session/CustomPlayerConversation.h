// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "room/CustomPlayerRules.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The NBA teams the projections name, in order; nullopt after the failure was shown.
std::optional<std::vector<std::string>> fillNbaTeams(ProgramState& state, UserDialogs& dialogs);

// Creates the player for the projection season and the one before it and registers him, in one
// transaction (room/CustomPlayerWriter.h), with or without an open draft. Returns his id, or
// nullopt after a refusal or failure was shown (a position the window never offers says
// nothing).
std::optional<int> addCustomPlayer(ProgramState& state, UserDialogs& dialogs,
                                   const CustomPlayer& player);

}  // namespace quorvane
