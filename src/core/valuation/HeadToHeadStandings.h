// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <memory>
#include <optional>

#include "headtohead/HeadToHeadLeague.h"
#include "vocabulary/GridTable.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

// The open head-to-head draft as its rosters stand, reserves counted with includeReserves. The
// model is the one the program holds: use it before the next change of the file.
struct OpenHeadToHead {
    const DraftModel* model = nullptr;
    std::unique_ptr<HeadToHeadLeague> league;
};

// A failure without words without an open head-to-head draft; a failed read comes back with
// its message, its log line written.
Outcome<OpenHeadToHead> openHeadToHead(DraftSession& session, bool includeReserves);

// The standings grid of the Projected Standings tab (see headToHeadStandingsGrid).
Outcome<GridTable> headToHeadStandingsGridOf(DraftSession& session, bool includeReserves);

// The user's team against each opponent and the league's average team (see matchupGrid); a
// failure without words also when no team is marked his.
Outcome<GridTable> myMatchupGrid(DraftSession& session, bool includeReserves);

// The user's chance against the league's average team, by categoryid.
Outcome<std::map<int, double>> myChancesAgainstAverage(DraftSession& session, bool includeReserves);

}  // namespace quorvane
