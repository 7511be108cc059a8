// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "valuation/ProjectedStandings.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct DraftSession;

// The projected standings of the open draft from the rosters drafted so far (see
// projectedStandings); reserves count only with includeReserves. nullopt after a failure was
// logged. Unless skipGrid, returns the standings grid (else an empty table); in a head-to-head
// league the grid of the teams' expected category wins or week win chances.
std::optional<GridTable> calcStandings(DraftSession& session, bool includeReserves, bool skipGrid);
// The same grid from standings the caller already holds (readStandings of the draft as it is).
std::optional<GridTable> standingsGridOf(DraftSession& session, bool includeReserves,
                                         const std::vector<StandingsEntry>& entries);

// The open draft's standings figures, team by team in standings order, each team's categories
// from the highest id down to 0. Logs " 90050 error: could not select standings" on failure.
std::optional<std::vector<StandingsEntry>> readStandings(DraftSession& session,
                                                         bool includeReserves);

// The Projected Standings tab's grid of the draft as it is, the same one whichever refresh draws
// it (a head-to-head league's too, see standingsGridOf).
std::optional<GridTable> fillStandingsGrid(DraftSession& session, bool includeReserves);
// The standings grid of a rotisserie or points league: "Owner", then per category its symbol
// (and "RK" in rotisserie), the total last.
GridTable standingsGrid(const std::vector<StandingsEntry>& entries, bool rotisserie);

}  // namespace quorvane
