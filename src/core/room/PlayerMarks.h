// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "vocabulary/Decision.h"

namespace quorvane {

struct ProgramState;

// A player's flag: 0 none, 1 sleeper, 2 bust, 3 upside.
inline constexpr int kNoFlag = 0;

// The pop-up menu: choosing the flag the player has clears it, any other sets it.
int flagAfterChoice(int currentFlag, int chosen);

// A player's flag on every season's row of the player.
bool setPlayerFlag(ProgramState& state, int playerid, int flag);
// The pop-up menu's choice stored. Returns the flag the row shows afterwards.
int chooseFlag(ProgramState& state, int playerid, int currentFlag, int chosen);
// Why a note cannot be stored (a control character, a direction control, more than 1000
// characters), or nullopt when it can.
std::optional<Message> playerNoteRefusal(std::string_view note);

// A player's note of the projection season; a failure is logged only. False without a write for
// a note playerNoteRefusal refuses, which the front end has shown.
bool savePlayerNote(ProgramState& state, int playerid, const std::string& note);

}  // namespace quorvane
