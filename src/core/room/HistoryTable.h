// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "store/TurnHistoryRepository.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct DraftSettings;
struct DraftSession;

// The turn history as a grid, one row per entry in the order they were made: "entry", "turn"
// (the sale number in an auction), "round" and "pick" within it (straight and snake drafts),
// "kind" (pick, skip, keeper, undo), "teamid", "team", "playerid", "player" ("First Last"),
// "dollars", "slot", "undoes" (the entry an undo took back) and "taken back" ("yes" for an entry
// an undo took back). An undo repeats the turn, team and player of what it took back.
GridTable turnHistoryTable(const DraftSettings& draft, const std::vector<HistoryLine>& lines);

// The open draft's history as stored; nullopt after a failed read (logged).
std::optional<GridTable> readTurnHistoryTable(DraftSession& session);

}  // namespace quorvane
