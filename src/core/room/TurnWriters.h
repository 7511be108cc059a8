// SPDX-License-Identifier: MIT
#pragma once

#include "model/DraftModel.h"
#include "room/TurnRequests.h"
#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// The writers of the turn operations. Each holds the writer's lock (BEGIN IMMEDIATE, a
// savepoint inside a caller's transaction) for the whole step: it reads again what another
// program may have written since `model` was read, decides again (decidePick, decideSkip,
// decideUndo) and refuses what the rule refuses or asks that `consent` does not cover, then
// writes in one transaction and changes `model` as it changed the file. Nothing is shown to
// anyone and no list is rebuilt; a failure comes back with its message and log line. `model`
// must hold the draft's settings. A caller on its own thread passes its own connection and
// model.

// Stores the pick with the turn on the clock as its number (an auction's next sale number) and
// gives the turn to the next team.
Outcome<PickRecorded> writePick(Connection& connection, DraftModel& model,
                                const PickRequest& request, const Consent& consent = {});

// The turn on the clock becomes a skip of the team that holds it and the next turn comes on. An
// auction, and a draft past its last turn, record nothing.
Outcome<TurnChanged> writeSkip(Connection& connection, DraftModel& model,
                               const SkipRequest& request = {}, const Consent& consent = {});

// Takes back the last entry of the turn history, whatever it was (lastUndoable): a skip is
// undone as a skip; a pick's or keeper's player leaves his team; a pick or skip gives its turn
// back.
Outcome<TurnChanged> writeUndo(Connection& connection, DraftModel& model,
                               const UndoRequest& request = {}, const Consent& consent = {});

}  // namespace quorvane
