// SPDX-License-Identifier: MIT
#pragma once

#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

// The values of a head-to-head league's players, from their G-scores: G$ (the draft's cap and
// minimum bid, whatever its type) to DraftPlayers.dollars and the rank by total G (equal totals
// share a rank) to draftorder, on every season's row of each player of the projection season;
// other players' rows get 0 and rank 0. Inflation does not apply. One transaction; after a
// failure (its log line written) the run's writes are undone.
Outcome<Done> calcHeadToHeadValues(DraftSession& session);

}  // namespace quorvane
