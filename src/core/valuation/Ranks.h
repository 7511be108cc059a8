// SPDX-License-Identifier: MIT
#pragma once

#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

// Overall ranks (DraftPlayers.draftorder) of every player of the projection season for the open
// draft; in a points league by value-based drafting, with dollar values in a points auction.
// Inflation counts with showInflation. After a failure the run's writes are undone; a failed
// statement's log line is written, while a run with no open draft or whose commit fails ends
// without words.
Outcome<Done> calcRanks(DraftSession& session, bool showInflation);

// The values the draft room shows: dollar values in an auction, ranks in a straight or snake
// draft.
Outcome<Done> calcRoomValues(DraftSession& session, bool showInflation);

}  // namespace quorvane
