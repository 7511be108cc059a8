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
// Owner 10 on the clock", "Undid keeper Jimmy Butler, Owner 10" or "Nothing to undo". nullopt
// after a failure (nothing changed).
std::optional<TurnChange> undoLastPickTold(ProgramState& state, UserDialogs& dialogs,
                                           const PlayerListView& list = {});

// "Skip Pick" (skipTurn), told with the turn it skipped as "Skipped #23 Owner 2: Owner 1 on the
// clock"; an auction has no turn to skip ("Nothing to skip in an auction"), nor has a draft past
// its last turn ("Nothing to skip: the draft is complete"). nullopt after a failure.
std::optional<TurnChange> skipTurnTold(ProgramState& state, UserDialogs& dialogs,
                                       const PlayerListView& list = {});

}  // namespace quorvane
