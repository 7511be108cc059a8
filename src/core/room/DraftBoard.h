// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/SafeFileWriter.h"
#include "room/DraftPicks.h"
#include "vocabulary/Decision.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct LoadedDraft;
struct DraftSession;

struct BoardCell {
    int row = 0;
    int column = 0;
    bool operator==(const BoardCell&) const = default;
};

// The whole draft at a glance. Its first column labels the rows; every other column is one
// team, in draft order, the user's own heading ending in " (Mine)".
// A straight or snake draft has a row per round (keepers in "Keeper" rows above them), each
// cell the player a team took with its turn of that round: "Jimmy Butler (SF, RK 14)", or
// "(skipped)" for a turn skipped. Snake rows reverse only in the order they are filled, since
// every team keeps its own column.
// An auction has a row per roster slot ("NA" rows for players beyond a team's slots), each cell
// the player and his price ("Jimmy Butler $45", a keeper " K"), then the rows "Spent", "Left",
// "Max Bid" and "Spots Left".
struct DraftBoard {
    GridTable table;
    std::optional<BoardCell> current;  // the cell the team on the clock fills next
    int mineColumn = -1;
    std::vector<BoardCell> keepers;
    std::vector<BoardCell> skipped;
};

inline constexpr const char* kMineMark = " (Mine)";
inline constexpr const char* kSkippedCell = "(skipped)";

// The board of the open draft from its picks (readDraftPicks).
DraftBoard buildDraftBoard(const LoadedDraft& loaded, const std::vector<DraftPick>& picks);
// The board as the database holds it now; nullopt after a failed read, which is logged.
std::optional<DraftBoard> buildDraftBoard(DraftSession& session);

// Writes the board's grid as CSV (CR LF line ends) through the safe file writer. The reason it
// could not, titled "Export", an earlier file unchanged.
std::optional<Message> saveDraftBoardCsv(const DraftBoard& board, const FileTarget& target,
                                         const OwnFiles& own);

}  // namespace quorvane
