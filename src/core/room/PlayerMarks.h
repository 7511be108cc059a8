// SPDX-License-Identifier: MIT
#pragma once

#include "model/DraftModel.h"
#include "room/MarkRequests.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// A player's flag: 0 none, 1 sleeper, 2 bust, 3 upside.
inline constexpr int kNoFlag = 0;
inline constexpr int kHighestFlag = 3;

// The pop-up menu: choosing the flag the player has clears it, any other sets it.
int flagAfterChoice(int currentFlag, int chosen);

// A flag the lists cannot show is refused ("Invalid Flag"); notes always go.
Decision decideFlag(const DraftModel& model, const FlagRequest& request);
Decision decideNote(const DraftModel& model, const PlayerNoteRequest& request);

// The writers of flags and notes: each decides again, writes in one transaction (a savepoint
// inside a caller's) and changes `model` as it changed the file. A caller that holds no model of
// the file passes an empty one, which then stays empty: a player the model does not hold is left
// alone.
Outcome<Done> writeFlag(Connection& connection, DraftModel& model, const FlagRequest& request);
// A failure writes the log line " 60050 error: could not add player note.".
Outcome<Done> writeNote(Connection& connection, DraftModel& model,
                        const PlayerNoteRequest& request);
// The draft's notes are no part of the model.
Outcome<Done> writeNote(Connection& connection, const DraftNoteRequest& request);

}  // namespace quorvane
