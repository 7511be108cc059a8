// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "room/RefreshMain.h"
#include "room/TurnRules.h"

namespace quorvane {

struct DraftSettings;
struct ProgramState;
class UserDialogs;

// The team on the clock: its draft position (0 when no team holds the turn; the last marked
// team wins when several are) and the snake direction.
TurnPosition currentTurn(const ProgramState& state);

// The log lines of the statements that move the turn; a pick and a skip number them apart.
struct TurnLogLines {
    std::string_view clearTurn;
    std::string_view setTurn;
    std::string_view directionUp;
    std::string_view directionDown;
};

// Gives the turn to the team at `target` in the tables and in state.draftSettings. Runs inside
// the caller's transaction; false after the failure was shown and logged.
bool moveTurnTo(ProgramState& state, UserDialogs& dialogs, const TurnPosition& target,
                const TurnLogLines& lines);

// The pick number that ends a straight or snake draft: the last pick of its last round
// (teams x rounds). 0 for an auction, which has no rounds to end.
int lastPickOfDraft(const DraftSettings& draft);

// True when a straight or snake draft has reached its last pick: nobody is on the clock any
// more, and a further pick names its team. A failed read is logged and counts as not complete.
bool isDraftComplete(ProgramState& state);

// Takes the turn from every team of the draft (the draft is complete). Runs inside the
// caller's transaction; false after the failure was shown and logged.
bool clearTurn(ProgramState& state, UserDialogs& dialogs, std::string_view logLine);

// The turn to the next team (straight and snake drafts; nothing in an auction), in one
// transaction. False after a failure was reported; the turn is then as it was.
bool advanceTurn(ProgramState& state, UserDialogs& dialogs);
// The turn back to the previous team, the inverse of advanceTurn.
bool stepTurnBack(ProgramState& state, UserDialogs& dialogs);

// "Skip Pick": the turn moves on and the draft room is rebuilt; a complete draft has no turn to
// skip. nullopt after a failure.
std::optional<RoomView> skipTurn(ProgramState& state, UserDialogs& dialogs);

// "Undo Last Pick": deletes the last pick when the team before the one on the clock made it and
// gives that team the turn back; otherwise undoes a skip. In an auction, where the turn never
// moves, the last pick is always deleted. With nobody on the clock (a complete draft) the last
// pick is deleted and, once the draft is open again, the team that made it is on the clock.
// nullopt after a failure (nothing changed).
std::optional<RoomView> undoLastPick(ProgramState& state, UserDialogs& dialogs);

}  // namespace quorvane
