// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Flags and notes as the desktop program and the command line store them: the writer keeps the
// held model in step when it is the file's, and a program without an open draft writes all the
// same.

// A player's flag on every season's row of the player; false when nothing was stored.
bool setPlayerFlag(ProgramState& state, int playerid, int flag);
// The pop-up menu's choice stored. Returns the flag the row shows afterwards.
int chooseFlag(ProgramState& state, int playerid, int currentFlag, int chosen);
// A player's note of the projection season; a failure is logged only.
bool savePlayerNote(ProgramState& state, int playerid, const std::string& note);
// The open draft's notes; a failure is shown.
bool saveDraftNotes(ProgramState& state, UserDialogs& dialogs, const std::string& notes);

}  // namespace quorvane
