// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "room/DraftPicks.h"

namespace quorvane {

struct ProgramState;

// The line above the tabs that says where the draft stands.
// A straight or snake draft: "Round 2 · Pick 3 (#15) — Owner 10 on the clock · you pick in 4",
// where #15 is the turn on the clock (skipped turns counted: the number the next pick gets) and
// "in 4" counts the turns until the user's team picks ("· your pick" when it is on the clock,
// nothing more when it has no pick left or no team is the user's). With no team on the clock,
// or past the last turn, "Draft complete · 156 picks made".
// An auction: "Last sale: Jimmy Butler to Owner 10 for $45 · you have $152 left, largest bid
// $141" ("No sales yet" before the first), or "Auction complete · 156 players bought" once
// every roster is full.
std::string clockBanner(const ProgramState& state, const std::vector<DraftPick>& picks);

// Turns from the turn on the clock until the team at draft position `position` picks (0 when it
// picks now); -1 when it gets no turn before the draft's last pick.
int turnsUntil(const ProgramState& state, int position);

}  // namespace quorvane
