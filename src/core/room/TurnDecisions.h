// SPDX-License-Identifier: MIT
#pragma once

#include "model/DraftModel.h"
#include "room/TurnRequests.h"
#include "vocabulary/Decision.h"

namespace quorvane {

// The rules of the turn operations, over the model alone: what a front end shows or asks
// before it hands the request to the writer, which decides again under its lock. A model
// without settings refuses everything.

// A pick: refused for a team not of the draft ("No Team Selected"), a turn that is no longer
// on the clock (or, for a person, a draft that filled up since he saw its turn), an auction
// price that is not a number from 0 to the league's whole pot ("Invalid Bid"), and a player any
// team holds already; otherwise asks, in this order, whether an auction's team may go past its
// money and whether the team may go past its slots of that kind.
Decision decidePick(const DraftModel& model, const PickRequest& request);

// A skip goes unless the caller meant another turn than the one on the clock. An auction, and a
// draft past its last turn, have no turn to skip: the writer then records nothing.
Decision decideSkip(const DraftModel& model, const SkipRequest& request);

// An undo always goes; with nothing to take back the writer records nothing.
Decision decideUndo(const DraftModel& model, const UndoRequest& request);

// The refusal of a request meant for a turn that is no longer on the clock.
Message turnMovedMessage(int meant, int onTheClock);

}  // namespace quorvane
