// SPDX-License-Identifier: MIT
#include "room/Rosters.h"

#include <iterator>
#include <map>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "room/RoomValues.h"
#include "store/Utf8Text.h"

namespace quorvane {

namespace {

struct SlotCount {
    const char* position;
    int DraftSettings::*count;
};

constexpr SlotCount kListingOrder[] = {
    {"G", &DraftSettings::G}, {"PG", &DraftSettings::PG}, {"SG", &DraftSettings::SG},
    {"F", &DraftSettings::F}, {"SF", &DraftSettings::SF}, {"PF", &DraftSettings::PF},
    {"C", &DraftSettings::C}, {"UT", &DraftSettings::UT}, {"R", &DraftSettings::R},
};

std::vector<std::string> playerCells(const Recordset& player, const DraftSettings& draft,
                                     bool withSlot) {
    const bool auction = draft.drafttype == kDraftTypeAuction;
    const int order = static_cast<int>(player.getInt("draftorder"));
    std::string last;
    if (auction) {
        last = formatPrice(player.getDouble("dollars"), priceDecimals(draft));
    } else if (!withSlot) {
        last = std::to_string(order);
    } else {
        last = order == 0 ? "KEEPER" : pickLabel(order, draft.teams);
    }
    return {player.getText("playerid"), player.getText("teamid"), player.getText("name"),
            player.getText("team"), last};
}

}  // namespace

std::vector<std::string> rosterSlotRows(const ProgramState& state) {
    return state.draftSettings ? rosterSlotRows(*state.draftSettings) : std::vector<std::string>{};
}

std::vector<std::string> rosterSlotRows(const DraftSettings& draft) {
    std::vector<std::string> rows;
    for (const SlotCount& slot : kListingOrder) {
        for (int i = 0; i < draft.*slot.count; ++i) {
            rows.emplace_back(slot.position);
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
    if (!state.draftSettings) {
        return grid;
    }
    const DraftSettings& draft = *state.draftSettings;
    grid.table.headings = {"PlayerID", "TeamID", "Name", "Team",
                           draft.drafttype == kDraftTypeAuction ? "$" : "Rd.Sel.Ov"};
    grid.table.hiddenColumns = {0, 1};
    grid.rowHeaders = rosterSlotRows(state);
    const std::size_t slotRows = grid.rowHeaders.size();
    grid.table.rows.assign(slotRows, std::vector<std::string>(5));
    grid.table.rowColours.assign(slotRows, std::nullopt);

    Recordset players;
    if (!openRecordset(
            players, state.dbConnection,
            "select dp.playerid, dp.lastname || ', ' || dp.firstname as name, "
            "iif(dp.team is null,'',dp.team) as team, dt.teamid, dt.draftorder, "
            "dt.dollars, iif(dt.pos is null,'',dt.pos) as pos from draftPlayers dp, "
            "draftTaken dt where dp.yearofprojection = ? and dp.playerid = dt.playerid "
            "and dt.template_id = ? and dt.teamid = ? order by case upper(dt.pos) "
            "when 'G' then 1 when 'PG' then 2 when 'SG' then 3 when 'F' then 4 when "
            "'SF' then 5 when 'PF' then 6 when 'C' then 7 when 'UT' then 8 when 'R' "
            "then 9 end, dt.rowid",
            {SqlValue{std::int64_t{state.projectionYear}},
             SqlValue{std::int64_t{draft.template_id}}, SqlValue{std::int64_t{teamid}}})) {
        reportDatabaseError(dialogs, state.dbConnection, " 60000 error: could not access database");
        return grid;
    }
    grid.playersRead = true;

    // Players come in slot order. A player without a slot gets a grey row of his own above the
    // slot rows, and one for whom no row of his slot is free an "NA" row at the end.
    std::vector<std::vector<std::string>> cells;
    std::vector<std::string> slots;
    for (; !players.eof(); players.moveNext()) {
        slots.push_back(players.getText("pos"));
        cells.push_back(playerCells(players, draft, !slots.back().empty()));
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
    if (!state.draftSettings) {
        return std::nullopt;
    }
    const DraftSettings& draft = *state.draftSettings;
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

    const SqlParams byDraft{SqlValue{std::int64_t{draft.template_id}}};
    Recordset counts;
    if (!openRecordset(counts, state.dbConnection,
                       "select count(dk.teamid) as cnt, dt.teamid from draftteams dt left outer "
                       "join drafttaken dk on dt.teamid = dk.teamid where dt.template_id = ? "
                       "group by dt.teamid",
                       byDraft)) {
        reportDatabaseError(dialogs, state.dbConnection,
                            " 90002 error: could not get auction dollars");
        return std::nullopt;
    }
    std::map<std::int64_t, std::int64_t> playersOfTeam;
    for (; !counts.eof(); counts.moveNext()) {
        playersOfTeam[counts.getInt("teamid")] = counts.getInt("cnt");
    }
    const auto money = readTeamMoney(state, dialogs);
    if (!money) {
        return std::nullopt;
    }
    lines.push_back({"Owner - Amt (Max)", true});
    for (const TeamMoney& team : *money) {
        const auto count = static_cast<int>(playersOfTeam[team.teamid]);
        lines.push_back({leadingCharacters(team.teamname, 11) + " - $" +
                             formatPrice(team.left, decimals) + " (" +
                             formatPrice(largestBid(draft, team.left, count), decimals) + ")",
                         false});
    }
    return lines;
}

std::optional<std::vector<TeamMoney>> readTeamMoney(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings) {
        return std::nullopt;
    }
    const DraftSettings& draft = *state.draftSettings;
    Recordset money;
    if (!openRecordset(money, state.dbConnection,
                       "select dt.teamname, dt.teamid, dt.draftposition, "
                       "iif(sum(dk.dollars) is null,0,sum(dk.dollars)) as spent, ? - "
                       "iif(sum(dk.dollars) is null,0,sum(dk.dollars)) as amt from draftteams dt "
                       "left outer join drafttaken dk on dt.teamid = dk.teamid where "
                       "dt.template_id = ? group by dt.teamid, dt.teamname, dt.draftposition "
                       "order by dt.draftposition",
                       {SqlValue{draft.dollars}, SqlValue{std::int64_t{draft.template_id}}})) {
        reportDatabaseError(dialogs, state.dbConnection,
                            " 90001 error: could not get auction dollars");
        return std::nullopt;
    }
    std::vector<TeamMoney> teams;
    for (; !money.eof(); money.moveNext()) {
        teams.push_back({static_cast<int>(money.getInt("teamid")), money.getText("teamname"),
                         money.getDouble("spent"), money.getDouble("amt")});
    }
    return teams;
}

std::optional<GridTable> fillDraftLog(ProgramState& state) {
    if (!state.draftSettings) {
        return std::nullopt;
    }
    const DraftSettings& draft = *state.draftSettings;
    const bool auction = draft.drafttype == kDraftTypeAuction;
    const std::string price =
        !auction ? ""
                 : (priceDecimals(draft) == 2 ? ", vbformat(dt.dollars,'0.00') as [$] "
                                              : ", vbformat(dt.dollars,'0') as [$] ");
    Recordset picks;
    if (!openRecordset(picks, state.dbConnection,
                       "select dt.draftorder as Ord, dp.firstname || ' ' || dp.lastname as Name, "
                       "dt.pos as Pos, dm.teamname as Team " +
                           price +
                           " from drafttaken dt, draftteams dm, draftplayers dp where "
                           "yearofprojection = ? and dm.teamid = dt.teamid and dp.playerid = "
                           "dt.playerid and dt.draftorder > 0 and dt.template_id = ? order by "
                           "dt.draftorder desc",
                       {SqlValue{std::int64_t{state.projectionYear}},
                        SqlValue{std::int64_t{draft.template_id}}})) {
        state.dbConnection.log().writeEntry(" 90006 error: could not get list of players");
        return std::nullopt;
    }
    return gridFromRecordset(picks);
}

}  // namespace quorvane
