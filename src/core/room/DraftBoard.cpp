// SPDX-License-Identifier: MIT
#include "room/DraftBoard.h"

#include <algorithm>
#include <map>
#include <set>

#include "model/DraftSession.h"
#include "room/RefreshMain.h"
#include "room/RoomValues.h"
#include "room/Rosters.h"
#include "room/Turns.h"
#include "text/CsvText.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

std::string fullName(const DraftPick& pick) {
    if (pick.firstname.empty()) {
        return pick.lastname;
    }
    return pick.firstname + " " + pick.lastname;
}

// Headings and the user's column: one column per team in draft order after the row label.
void addTeamColumns(const DraftSettings& draft, const char* rowLabel, DraftBoard& board) {
    board.table.headings.emplace_back(rowLabel);
    for (const DraftTeam& team : draft.draftTeams) {
        std::string heading = team.teamname;
        if (team.owner == 1) {
            heading += kMineMark;
            board.mineColumn = static_cast<int>(board.table.headings.size());
        }
        board.table.headings.push_back(std::move(heading));
    }
}

std::map<int, int> columnOfTeam(const DraftSettings& draft) {
    std::map<int, int> columns;
    for (std::size_t index = 0; index < draft.draftTeams.size(); ++index) {
        columns[draft.draftTeams[index].teamid] = static_cast<int>(index) + 1;
    }
    return columns;
}

std::vector<std::string> blankRow(const std::string& label, std::size_t columns) {
    std::vector<std::string> row(columns);
    row.front() = label;
    return row;
}

// The row a pick of `turn` fills in a column: its round's, or the first free one below when the
// team already has a player there (a pick recorded out of turn); rows are added as needed.
std::size_t rowForTurn(std::vector<std::vector<std::string>>& rows, std::size_t firstRound,
                       std::size_t column, const DraftSettings& draft, int turn) {
    std::size_t row = firstRound +
                      static_cast<std::size_t>(turnSlot(draft.drafttype, draft.teams, turn).round) -
                      1;
    for (;; ++row) {
        if (row >= rows.size()) {
            std::vector<std::string> added(rows.front().size());
            added.front() = std::to_string(row - firstRound + 1);
            rows.push_back(std::move(added));
        }
        if (rows[row][column].empty()) {
            return row;
        }
    }
}

DraftBoard roundsBoard(const LoadedDraft& loaded, const std::vector<DraftPick>& picks) {
    const DraftSettings& draft = *loaded.draftSettings;
    DraftBoard board;
    addTeamColumns(draft, "Round", board);
    const std::size_t columns = board.table.headings.size();
    const std::map<int, int> columnOf = columnOfTeam(draft);

    std::map<int, std::vector<const DraftPick*>> keepersOf;
    std::vector<const DraftPick*> made;
    std::set<int> pickedTurns;
    for (const DraftPick& pick : picks) {
        if (columnOf.count(pick.teamid) == 0) {
            continue;
        }
        if (pick.draftorder == 0) {
            keepersOf[pick.teamid].push_back(&pick);
        } else {
            made.push_back(&pick);
            pickedTurns.insert(pick.draftorder);
        }
    }
    std::size_t keeperRows = 0;
    for (const auto& [teamid, held] : keepersOf) {
        keeperRows = std::max(keeperRows, held.size());
    }
    for (std::size_t row = 0; row < keeperRows; ++row) {
        board.table.rows.push_back(blankRow("Keeper", columns));
    }
    for (int round = 1; round <= std::max(draft.rounds(), 1); ++round) {
        board.table.rows.push_back(blankRow(std::to_string(round), columns));
    }
    const auto cellText = [](const DraftPick& pick) {
        return fullName(pick) + " (" + pick.pos + ", RK " + std::to_string(pick.rank) + ")";
    };
    for (const auto& [teamid, held] : keepersOf) {
        const int column = columnOf.at(teamid);
        for (std::size_t row = 0; row < held.size(); ++row) {
            board.table.rows[row][static_cast<std::size_t>(column)] = cellText(*held[row]);
            board.keepers.push_back({static_cast<int>(row), column});
        }
    }
    // Picks sit in the round of their turn, skipped turns counted.
    std::stable_sort(made.begin(), made.end(), [](const DraftPick* a, const DraftPick* b) {
        return a->draftorder < b->draftorder;
    });
    for (const DraftPick* pick : made) {
        const auto column = static_cast<std::size_t>(columnOf.at(pick->teamid));
        const std::size_t row =
            rowForTurn(board.table.rows, keeperRows, column, draft, pick->draftorder);
        board.table.rows[row][column] = cellText(*pick);
    }
    // Every earlier turn that no pick holds was skipped, in the cell of the team it belonged to.
    for (int turn = 1; turn < draft.turnNumber; ++turn) {
        const auto column = columnOf.find(teamOfTurn(draft, turn));
        if (pickedTurns.count(turn) != 0 || column == columnOf.end()) {
            continue;
        }
        const std::size_t row =
            keeperRows +
            static_cast<std::size_t>(turnSlot(draft.drafttype, draft.teams, turn).round) - 1;
        if (row >= board.table.rows.size()) {
            continue;
        }
        std::string& cell = board.table.rows[row][static_cast<std::size_t>(column->second)];
        if (cell.empty()) {
            cell = kSkippedCell;
            board.skipped.push_back({static_cast<int>(row), column->second});
        }
    }
    const int onTheClock = teamOnTheClock(loaded);
    if (onTheClock > 0 && columnOf.count(onTheClock) != 0 && !isDraftComplete(loaded)) {
        const auto column = static_cast<std::size_t>(columnOf.at(onTheClock));
        board.current = BoardCell{static_cast<int>(rowForTurn(board.table.rows, keeperRows, column,
                                                              draft, draft.turnNumber)),
                                  static_cast<int>(column)};
    }
    return board;
}

DraftBoard auctionBoard(const DraftSettings& draft, const std::vector<DraftPick>& picks) {
    DraftBoard board;
    addTeamColumns(draft, "Slot", board);
    const std::size_t columns = board.table.headings.size();
    const std::map<int, int> columnOf = columnOfTeam(draft);
    const std::vector<std::string> slots = rosterSlotRows(draft);
    const int decimals = priceDecimals(draft);

    // Every team fills its slot rows in pick order; a player with no free row of his slot (or
    // no slot at all) goes to the team's next "NA" row.
    struct TeamCells {
        std::vector<std::string> slotCells;
        std::vector<bool> keeperCells;
        std::vector<std::string> overflow;
        std::vector<bool> overflowKeepers;
        double spent = 0.0;
        int players = 0;
    };
    std::map<int, TeamCells> teams;
    for (const DraftTeam& team : draft.draftTeams) {
        teams[team.teamid] = {std::vector<std::string>(slots.size()),
                              std::vector<bool>(slots.size(), false),
                              {},
                              {},
                              0.0,
                              0};
    }
    for (const DraftPick& pick : picks) {
        const auto found = teams.find(pick.teamid);
        if (found == teams.end()) {
            continue;
        }
        TeamCells& team = found->second;
        team.spent += pick.dollars;
        ++team.players;
        const bool keeper = pick.draftorder == 0;
        std::string text = fullName(pick) + " " + formatMoney(pick.dollars, decimals);
        if (keeper) {
            text += " K";
        }
        bool placed = false;
        for (std::size_t row = 0; row < slots.size() && !placed; ++row) {
            if (slots[row] == pick.slot && team.slotCells[row].empty()) {
                team.slotCells[row] = std::move(text);
                team.keeperCells[row] = keeper;
                placed = true;
            }
        }
        if (!placed) {
            team.overflow.push_back(std::move(text));
            team.overflowKeepers.push_back(keeper);
        }
    }
    std::size_t overflowRows = 0;
    for (const auto& [teamid, team] : teams) {
        overflowRows = std::max(overflowRows, team.overflow.size());
    }
    for (const std::string& slot : slots) {
        board.table.rows.push_back(blankRow(slot, columns));
    }
    for (std::size_t row = 0; row < overflowRows; ++row) {
        board.table.rows.push_back(blankRow("NA", columns));
    }
    const std::size_t summary = board.table.rows.size();
    for (const char* label : {"Spent", "Left", "Max Bid", "Spots Left"}) {
        board.table.rows.push_back(blankRow(label, columns));
    }
    for (const auto& [teamid, team] : teams) {
        const int column = columnOf.at(teamid);
        const auto at = static_cast<std::size_t>(column);
        const auto mark = [&](std::size_t row, const std::string& text, bool keeper) {
            board.table.rows[row][at] = text;
            if (keeper) {
                board.keepers.push_back({static_cast<int>(row), column});
            }
        };
        for (std::size_t row = 0; row < slots.size(); ++row) {
            mark(row, team.slotCells[row], team.keeperCells[row]);
        }
        for (std::size_t row = 0; row < team.overflow.size(); ++row) {
            mark(slots.size() + row, team.overflow[row], team.overflowKeepers[row]);
        }
        const double left = draft.dollars - team.spent;
        board.table.rows[summary][at] = formatMoney(team.spent, decimals);
        board.table.rows[summary + 1][at] = formatMoney(left, decimals);
        board.table.rows[summary + 2][at] =
            formatMoney(largestBid(draft, left, team.players), decimals);
        board.table.rows[summary + 3][at] =
            std::to_string(std::max(draft.rosterSize() - team.players, 0));
    }
    return board;
}

}  // namespace

DraftBoard buildDraftBoard(const LoadedDraft& loaded, const std::vector<DraftPick>& picks) {
    if (!loaded.draftSettings) {
        return {};
    }
    return loaded.draftSettings->drafttype == kDraftTypeAuction
               ? auctionBoard(*loaded.draftSettings, picks)
               : roundsBoard(loaded, picks);
}

std::optional<DraftBoard> buildDraftBoard(DraftSession& session) {
    const auto picks = readDraftPicks(session);
    if (!picks) {
        return std::nullopt;
    }
    return buildDraftBoard(*session.loadedDraft, *picks);
}

std::optional<Message> saveDraftBoardCsv(const DraftBoard& board, const FileTarget& target,
                                         const OwnFiles& own) {
    std::string text = csvFileLine(board.table.headings) + "\r\n";
    for (const auto& row : board.table.rows) {
        text += csvFileLine(row) + "\r\n";
    }
    const FileWriteResult written = writeFileSafely(target, own, text);
    if (!written.ok()) {
        return Message{"Export", fileProblemText(written, target), MessageIcon::Exclamation};
    }
    return std::nullopt;
}

}  // namespace quorvane
