// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

#include "../valuation/LeagueFixture.h"
#include "model/DraftModel.h"

namespace quorvane::test {

// Two teams of two counted players and one reserve (N = 2, kappa = 4/3), points, steals,
// turnovers and field-goal percentage, 3.5 games a week, four players (so the pool is all of
// them), season totals:
//   p1 500/1100 FG, 200 FT: 1200 pts, 90 stl, 150 to
//   p2 400/830 FG,  150 FT:  950 pts, 60 stl, 110 to
//   p3 350/800 FG,  310 FT: 1010 pts, 130 stl, 190 to
//   p4 260/520 FG,   90 FT:  610 pts, 45 stl, 70 to
// With `drafted`, Owner 1 holds p1 and p4, Owner 2 p2 and p3.
League fourPlayerLeague(TestProgram& program, int drafttype, int mode, bool drafted);

// The draft reloaded (after the test changed its tables) and read into memory.
DraftModel loadedModel(TestProgram& program, League& league);

// The index of a player in model.players.
std::size_t indexOf(const DraftModel& model, int playerid);

// The index of a category in model.categories.
std::size_t categoryIndex(const DraftModel& model, int categoryid);

}  // namespace quorvane::test
