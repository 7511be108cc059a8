// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "room/Turns.h"
#include "store/TurnHistoryRepository.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

// Each step returns its failure with the message to show, already logged (a failure without
// words was only logged); the front end shows it.

// On opening a draft: when its history is missing or disagrees with the tables (an older file,
// or picks another program made with an older copy), the rebuilt one is stored and the turn
// flags set, in one transaction; an up-to-date draft is only read. After a failure the loaded
// draft still shows the rebuilt turn.
Outcome<Done> settleTurnHistory(DraftSession& session);

// Everything else here runs inside the caller's transaction; after a failure the caller rolls
// back and reloads the draft.

// The open draft's standing history as the tables call for it (deriveHistory): a rebuilt one is
// stored in place of the old, and in a draft no online room sets the turn of, the turn flags are
// put on the team the history has on the clock. Sets the loaded draft's turnNumber.
Outcome<std::vector<HistoryEntry>> reconcileTurnHistory(DraftSession& session);

// Gives the turn to `turn`: the loaded draft's turnNumber and, in a straight or snake draft, the
// flags and direction of the team that picks then (nobody past the last turn). Writes only what
// changes.
Outcome<Done> putTurnOn(DraftSession& session, int turn, const TurnLogLines& lines);

// Appends an entry; its stored id comes back.
Outcome<std::int64_t> recordHistoryEntry(DraftSession& session, const HistoryEntry& entry);
// Appends the undo of a standing entry, which stays as the record of what was taken back.
Outcome<Done> takeBackEntry(DraftSession& session, const HistoryEntry& entry);
Outcome<Done> rewriteHistoryEntry(DraftSession& session, const HistoryEntry& entry);

// The standing pick or keeper of a player.
std::optional<HistoryEntry> entryOfPlayer(const std::vector<HistoryEntry>& standing, int playerid);

// A followed room's turn: turns the room used without a pick here (its keepers' picks) become
// skips up to `turn`, and skips at or after `turn` are taken back; picks are never touched.
// Turns past the draft's last one are not skipped.
Outcome<Done> alignTurnWith(DraftSession& session, int turn, const TurnLogLines& lines);

// A followed room undid a pick: it is taken back here when no pick stands after it (the skips
// after it are taken back with it). NotLast when another pick stands after it, or it is not a
// pick here; a failed statement comes back as the failure.
enum class TakeBackOutcome { TakenBack, NotLast, Failed };
Outcome<TakeBackOutcome> takeBackPick(DraftSession& session, int playerid);

}  // namespace quorvane
