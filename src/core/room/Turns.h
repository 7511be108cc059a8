// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "room/RefreshMain.h"
#include "store/TurnHistoryRepository.h"
#include "vocabulary/TurnRules.h"

namespace quorvane {

struct DraftSettings;
struct LoadedDraft;
struct ProgramState;
class UserDialogs;

// The team on the clock as the turn flags mark it: its draft position (0 when no team holds the
// turn; the last marked team wins when several are) and the snake direction.
TurnPosition currentTurn(const LoadedDraft& loaded);

// The log lines of the statements that move the turn; a pick and a skip number them apart.
struct TurnLogLines {
    std::string_view clearTurn;
    std::string_view setTurn;
    std::string_view directionUp;
    std::string_view directionDown;
};
// The lines of skip and undo for the draft's type.
const TurnLogLines& turnLines(const DraftSettings& draft);

// Gives the turn flags to the team at `target` in the tables and in the loaded draft. Runs
// inside the caller's transaction; false after the failure was shown and logged.
bool moveTurnTo(ProgramState& state, UserDialogs& dialogs, const TurnPosition& target,
                const TurnLogLines& lines);

// True when a straight or snake draft is past its last turn: nobody is on the clock any more,
// and a further pick names its team.
bool isDraftComplete(const LoadedDraft& loaded);

// Takes the turn from every team of the draft (the draft is complete). Runs inside the
// caller's transaction; false after the failure was shown and logged.
bool clearTurn(ProgramState& state, UserDialogs& dialogs, std::string_view logLine);

// Deletes the player's row of DraftTaken (a pick or keeper taken back). Runs inside the caller's
// transaction; false after the failure was shown and logged.
bool deleteTakenPlayer(ProgramState& state, UserDialogs& dialogs, int playerid);

// What a skip or an undo did to the turn history, with the rebuilt draft room.
struct TurnStep {
    RoomView view;
    std::optional<HistoryEntry> entry;  // the skip made, or the entry taken back; none: nothing
};

// A caller that shows no list of available players may leave `list` as it is: the room is then
// rebuilt with every player in the draft's order of value.

// "Skip Pick": the turn on the clock becomes a skip of the team that holds it and the next turn
// comes on; the draft room is rebuilt. An auction, and a draft past its last turn, have no turn
// to skip. nullopt after a failure (nothing changed).
std::optional<TurnStep> skipTurnStep(ProgramState& state, UserDialogs& dialogs,
                                     const PlayerListView& list = {});
std::optional<RoomView> skipTurn(ProgramState& state, UserDialogs& dialogs,
                                 const PlayerListView& list = {});

// "Undo Last Pick": takes back the last entry of the turn history, whatever it was. A skip is
// undone as a skip (nothing is deleted); a pick's player leaves his team; a keeper stored after
// a standing pick or skip leaves his team (keepers of the draft's set-up are the keepers
// window's). The turn goes back to the one taken back. nullopt after a failure (nothing
// changed).
std::optional<TurnStep> undoLastEntry(ProgramState& state, UserDialogs& dialogs,
                                      const PlayerListView& list = {});
std::optional<RoomView> undoLastPick(ProgramState& state, UserDialogs& dialogs,
                                     const PlayerListView& list = {});

}  // namespace quorvane
