// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/GridTable.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Recomputes the projected standings of the open draft from the rosters drafted so far:
// every team's value per category and, in rotisserie, its rank points (ties share halves,
// fewer turnovers is better); in a points league the weighted totals. Reserves count only
// with state.includeReserves. One transaction; a failure is logged, undoes the run and gives
// nullopt. Unless skipGrid, returns the standings grid (else an empty table).
std::optional<GridTable> calcStandings(ProgramState& state, UserDialogs& dialogs, bool skipGrid);

// One team's figure in one category (category 0 is the total), as the last run left it.
struct StandingsEntry {
    int teamid = 0;
    std::string teamname;
    int categoryid = 0;
    std::string symbol;
    double points = 0.0;
    double rank = 0.0;
};

// The last run's figures, team by team in standings order, each team's categories from the
// highest id down to 0. Logs " 90050 error: could not select standings" on failure.
std::optional<std::vector<StandingsEntry>> readStandings(ProgramState& state);

// The standings grid: "Owner", then per category its symbol (and "RK" in rotisserie), the
// total last.
std::optional<GridTable> fillStandingsGrid(ProgramState& state);

}  // namespace quorvane
