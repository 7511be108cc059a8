// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "room/Turns.h"
#include "store/TurnHistoryRepository.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// On opening a draft: when its history is missing or disagrees with the tables (an older file,
// or picks another program made with an older copy), the rebuilt one is stored and the turn
// flags set, in one transaction; an up-to-date draft is only read. False after a failure, which
// was shown and logged (the loaded draft still shows the rebuilt turn).
bool settleTurnHistory(ProgramState& state, UserDialogs& dialogs);

// Everything else here runs inside the caller's transaction and returns false (nullopt) after the
// failure was shown and logged; the caller then rolls back and reloads the draft.

// The open draft's standing history as the tables call for it (deriveHistory): a rebuilt one is
// stored in place of the old, and in a draft no online room sets the turn of, the turn flags are
// put on the team the history has on the clock. Sets state.draftSettings()->turnNumber.
std::optional<std::vector<HistoryEntry>> reconcileTurnHistory(ProgramState& state,
                                                              UserDialogs& dialogs);

// Gives the turn to `turn`: state.draftSettings()->turnNumber and, in a straight or snake draft,
// the flags and direction of the team that picks then (nobody past the last turn). Writes only
// what changes.
bool putTurnOn(ProgramState& state, UserDialogs& dialogs, int turn, const TurnLogLines& lines);

// Appends an entry; its stored id comes back.
std::optional<std::int64_t> recordHistoryEntry(ProgramState& state, UserDialogs& dialogs,
                                               const HistoryEntry& entry);
// Appends the undo of a standing entry, which stays as the record of what was taken back.
bool takeBackEntry(ProgramState& state, UserDialogs& dialogs, const HistoryEntry& entry);
bool rewriteHistoryEntry(ProgramState& state, UserDialogs& dialogs, const HistoryEntry& entry);

// The standing pick or keeper of a player.
std::optional<HistoryEntry> entryOfPlayer(const std::vector<HistoryEntry>& standing, int playerid);

// A followed room's turn: turns the room used without a pick here (its keepers' picks) become
// skips up to `turn`, and skips at or after `turn` are taken back; picks are never touched.
// Turns past the draft's last one are not skipped.
bool alignTurnWith(ProgramState& state, UserDialogs& dialogs, int turn, const TurnLogLines& lines);

// A followed room undid a pick: it is taken back here when no pick stands after it (the skips
// after it are taken back with it). NotLast when another pick stands after it, or it is not a
// pick here.
enum class TakeBackOutcome { TakenBack, NotLast, Failed };
TakeBackOutcome takeBackPick(ProgramState& state, UserDialogs& dialogs, int playerid);

}  // namespace quorvane
