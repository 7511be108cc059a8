// SPDX-License-Identifier: MIT
#include "room/Rosters.h"

#include <array>
#include <iterator>
#include <map>

#include "room/RoomValues.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/RosterRepository.h"
#include "text/NumberText.h"
#include "text/Utf8Text.h"
#include "vocabulary/SlotKinds.h"

namespace quorvane {

namespace {

// The roster grid lists guards first, then forwards, centres, utility and reserves.
constexpr std::array<std::string_view, kSlotKinds> kListingOrder = {"G",  "PG", "SG", "F", "SF",
                                                                    "PF", "C",  "UT", "R"};

std::vector<std::string> playerCells(const RosterPlayerRow& player, const DraftSettings& draft,
                                     bool withSlot) {
    const bool auction = draft.drafttype == kDraftTypeAuction;
    const int order = static_cast<int>(player.draftorder);
    std::string last;
    if (auction) {
        last = formatPrice(player.dollars, priceDecimals(draft));
    } else if (!withSlot) {
        last = std::to_string(order);
    } else {
        last = order == 0 ? "KEEPER" : pickLabel(order, draft.teams);
    }
    return {std::to_string(player.playerid), std::to_string(player.teamid), player.name,
            player.team, last};
}

}  // namespace

std::vector<std::string> rosterSlotRows(const DraftSettings& draft) {
    std::vector<std::string> rows;
    for (const std::string_view slot : kListingOrder) {
        const int count = slotCountOf(draft, *slotKindOf(slot));
        for (int i = 0; i < count; ++i) {
            rows.emplace_back(slot);
        }
    }
    return rows;
}

std::vector<int> placeInSlotRows(const std::vector<std::string>& slotRows,
                                 const std::vector<std::string>& playerSlots) {
    std::vector<bool> filled(slotRows.size(), false);
    std::vector<int> rows;
    rows.reserve(playerSlots.size());
    for (const std::string& slot : playerSlots) {
        int row = slot.empty() ? kNoSlotRow : kOverflowRow;
        for (std::size_t r = 0; r < slotRows.size() && row == kOverflowRow; ++r) {
            if (!filled[r] && slotRows[r] == slot) {
                filled[r] = true;
                row = static_cast<int>(r);
            }
        }
        rows.push_back(row);
    }
    return rows;
}

RosterGrid getTeamRoster(ProgramState& state, UserDialogs& dialogs, int teamid) {
    RosterGrid grid;
    if (!state.draftSettings()) {
        return grid;
    }
    const DraftSettings& draft = *state.draftSettings();
    grid.table.headings = {"PlayerID", "TeamID", "Name", "Team",
                           draft.drafttype == kDraftTypeAuction ? "$" : "Rd.Sel.Ov"};
    grid.table.hiddenColumns = {0, 1};
    grid.rowHeaders = rosterSlotRows(draft);
    const std::size_t slotRows = grid.rowHeaders.size();
    grid.table.rows.assign(slotRows, std::vector<std::string>(5));
    grid.table.rowColours.assign(slotRows, std::nullopt);

    const auto players =
        readRosterPlayers(state.dbConnection, state.projectionYear, draft.template_id, teamid);
    if (!players) {
        reportDatabaseError(dialogs, state.dbConnection, " 60000 error: could not access database");
        return grid;
    }
    grid.playersRead = true;

    // Players come in slot order. A player without a slot gets a grey row of his own above the
    // slot rows, and one for whom no row of his slot is free an "NA" row at the end.
    std::vector<std::vector<std::string>> cells;
    std::vector<std::string> slots;
    for (const RosterPlayerRow& player : *players) {
        slots.push_back(player.slot);
        cells.push_back(playerCells(player, draft, !slots.back().empty()));
    }
    const std::vector<int> placed = placeInSlotRows(grid.rowHeaders, slots);
    std::vector<std::vector<std::string>> noSlotRows;
    std::vector<std::vector<std::string>> overflowRows;
    for (std::size_t player = 0; player < cells.size(); ++player) {
        if (placed[player] == kNoSlotRow) {
            noSlotRows.push_back(std::move(cells[player]));
        } else if (placed[player] == kOverflowRow) {
            overflowRows.push_back(std::move(cells[player]));
        } else {
            grid.table.rows[static_cast<std::size_t>(placed[player])] = std::move(cells[player]);
        }
    }

    for (auto& row : overflowRows) {
        grid.rowHeaders.emplace_back("NA");
        grid.table.rows.push_back(std::move(row));
        grid.table.rowColours.emplace_back(std::nullopt);
    }
    grid.rowHeaders.insert(grid.rowHeaders.begin(), noSlotRows.size(), std::string());
    grid.table.rowColours.insert(grid.table.rowColours.begin(), noSlotRows.size(),
                                 kNoSlotRowColour);
    grid.table.rows.insert(grid.table.rows.begin(), std::make_move_iterator(noSlotRows.begin()),
                           std::make_move_iterator(noSlotRows.end()));
    return grid;
}

double largestBid(const DraftSettings& draft, double moneyLeft, int playersOnTeam) {
    // Reserve slots are left out: a team need not fill its bench to bid.
    const int openSlots =
        draft.C + draft.G + draft.F + draft.PF + draft.SF + draft.PG + draft.SG + draft.UT;
    return moneyLeft - nonNegativeInteger((openSlots - 1) - playersOnTeam) * draft.minbid;
}

std::optional<std::vector<MoneyLine>> showTeamMoney(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const DraftSettings& draft = *state.draftSettings();
    const int decimals = priceDecimals(draft);
    std::vector<MoneyLine> lines;
    if (draft.drafttype != kDraftTypeAuction) {
        for (const DraftTeam& team : draft.draftTeams) {
            MoneyLine line{leadingCharacters(team.teamname, 16), false};
            if (team.currentpick == 1) {
                line.bold = true;
                line.caption = (draft.draftdirection == "U" ? ">>" : "<<") + line.caption;
            }
            lines.push_back(std::move(line));
        }
        return lines;
    }

    const auto counts = readTeamPlayerCounts(state.dbConnection, draft.template_id);
    if (!counts) {
        reportDatabaseError(dialogs, state.dbConnection,
                            " 90002 error: could not get auction dollars");
        return std::nullopt;
    }
    std::map<std::int64_t, std::int64_t> playersOfTeam;
    for (const TeamCountRow& count : *counts) {
        playersOfTeam[count.teamid] = count.players;
    }
    const auto money = readTeamMoney(state, dialogs);
    if (!money) {
        return std::nullopt;
    }
    lines.push_back({"Owner - Amt (Max)", true});
    for (const TeamMoney& team : *money) {
        const auto count = static_cast<int>(playersOfTeam[team.teamid]);
        lines.push_back({leadingCharacters(team.teamname, 11) + " - " +
                             formatMoney(team.left, decimals) + " (" +
                             formatPrice(largestBid(draft, team.left, count), decimals) + ")",
                         false});
    }
    return lines;
}

std::optional<std::vector<TeamMoney>> readTeamMoney(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const DraftSettings& draft = *state.draftSettings();
    const auto money = readTeamSpending(state.dbConnection, draft.template_id, draft.dollars);
    if (!money) {
        reportDatabaseError(dialogs, state.dbConnection,
                            " 90001 error: could not get auction dollars");
        return std::nullopt;
    }
    std::vector<TeamMoney> teams;
    teams.reserve(money->size());
    for (const TeamSpendingRow& row : *money) {
        teams.push_back({row.teamid, row.teamname, row.spent, row.left});
    }
    return teams;
}

std::optional<GridTable> fillDraftLog(ProgramState& state) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const DraftSettings& draft = *state.draftSettings();
    const bool auction = draft.drafttype == kDraftTypeAuction;
    const auto picks = readDraftLog(state.dbConnection, state.projectionYear, draft.template_id);
    if (!picks) {
        state.dbConnection.log().writeEntry(" 90006 error: could not get list of players");
        return std::nullopt;
    }
    return draftLogGrid(*picks, auction, priceDecimals(draft));
}

GridTable draftLogGrid(const std::vector<DraftLogRow>& picks, bool auction, int priceDecimals) {
    GridTable grid;
    grid.headings = {"Ord", "Name", "Pos", "Team"};
    if (auction) {
        grid.headings.emplace_back("$");
    }
    const char* pattern = priceDecimals == 2 ? "0.00" : "0";
    grid.rows.reserve(picks.size());
    for (const DraftLogRow& pick : picks) {
        std::vector<std::string> cells{std::to_string(pick.draftorder), pick.name, pick.slot,
                                       pick.teamname};
        if (auction) {
            cells.push_back(pick.dollars ? formatPattern(*pick.dollars, pattern) : std::string());
        }
        grid.rows.push_back(std::move(cells));
    }
    return grid;
}

}  // namespace quorvane
