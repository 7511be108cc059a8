// SPDX-License-Identifier: MIT
#pragma once

#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

// Dollar values of every player of the projection season for the open draft, written to
// DraftPlayers.dollars; a points or head-to-head league takes its own run. Inflation counts
// with showInflation. After a failure the run's writes are undone; a failed statement's log
// line is written, while a run with no open draft or whose commit fails ends without words.
Outcome<Done> calcDollarValues(DraftSession& session, bool showInflation);

}  // namespace quorvane
