// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "room/RefreshMain.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// A skip or an undo with the sentence the status bar shows about it.
struct TurnChange {
    RoomView view;
    std::string news;
};

// "Undo Last Pick" (undoLastPick), told as "Undid #15 Jimmy Butler, Owner 10", "Undid a skip:
// Owner 10 on the clock" or "Nothing to undo". nullopt after a failure (nothing changed).
std::optional<TurnChange> undoLastPickTold(ProgramState& state, UserDialogs& dialogs);

// "Skip Pick" (skipTurn), told as "Skipped Owner 10: Owner 11 on the clock"; an auction has no
// turn to skip ("Nothing to skip in an auction"). nullopt after a failure.
std::optional<TurnChange> skipTurnTold(ProgramState& state, UserDialogs& dialogs);

}  // namespace quorvane
