// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <memory>
#include <optional>

#include "headtohead/HeadToHeadLeague.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The open head-to-head draft as its rosters stand, reserves counted as state.includeReserves
// says. The model is the one the program holds: use it before the next change of the file.
struct OpenHeadToHead {
    const DraftModel* model = nullptr;
    std::unique_ptr<HeadToHeadLeague> league;
};

// nullopt without an open head-to-head draft, or after a failed read was shown and logged.
std::optional<OpenHeadToHead> openHeadToHead(ProgramState& state, UserDialogs& dialogs);

// The standings grid of the Projected Standings tab (see headToHeadStandingsGrid).
std::optional<GridTable> headToHeadStandingsGridOf(ProgramState& state, UserDialogs& dialogs);

// The user's team against each opponent and the league's average team (see matchupGrid);
// nullopt also when no team is marked his.
std::optional<GridTable> myMatchupGrid(ProgramState& state, UserDialogs& dialogs);

// The user's chance against the league's average team, by categoryid.
std::optional<std::map<int, double>> myChancesAgainstAverage(ProgramState& state,
                                                             UserDialogs& dialogs);

}  // namespace quorvane
