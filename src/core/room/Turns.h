// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "room/TurnWrites.h"
#include "store/TurnHistoryRepository.h"
#include "vocabulary/Outcome.h"
#include "vocabulary/TurnRules.h"

namespace quorvane {

struct DraftSettings;
struct LoadedDraft;
struct DraftSession;

// The team on the clock as the turn flags mark it: its draft position (0 when no team holds the
// turn; the last marked team wins when several are) and the snake direction.
TurnPosition currentTurn(const LoadedDraft& loaded);

// Gives the turn flags to the team at `target` in the tables and in the loaded draft. Runs
// inside the caller's transaction; a failure comes back logged, with the message to show.
Outcome<Done> moveTurnTo(DraftSession& session, const TurnPosition& target,
                         const TurnLogLines& lines);

// True when a straight or snake draft is past its last turn: nobody is on the clock any more,
// and a further pick names its team.
bool isDraftComplete(const LoadedDraft& loaded);

// Takes the turn from every team of the draft (the draft is complete). Runs inside the
// caller's transaction; a failure comes back logged, with the message to show.
Outcome<Done> clearTurn(DraftSession& session, std::string_view logLine);

// Deletes the player's row of DraftTaken (a pick or keeper taken back). Runs inside the caller's
// transaction; a failure comes back logged, with the message to show.
Outcome<Done> deleteTakenPlayer(DraftSession& session, int playerid);

}  // namespace quorvane
