// SPDX-License-Identifier: MIT
#include "room/Keepers.h"

#include <cmath>

#include <fmt/format.h>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "draftconfig/DraftLoader.h"
#include "room/TurnHistoryWriter.h"
#include "store/NumberText.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {
SqlValue id(int value) {
    return SqlValue{std::int64_t{value}};
}
}  // namespace

std::optional<GridTable> fillKeeperFreeAgents(ProgramState& state, UserDialogs& dialogs) {
    Recordset players;
    if (!openRecordset(players, state.dbConnection,
                       "select dp.playerid, dp.lastname || ', ' || dp.firstname as Name, "
                       "iif(dp.team is null,'',dp.team) as Team, dp.pos as Pos from draftPlayers "
                       "dp where dp.yearofprojection = ? and dp.playerid not in (select playerid "
                       "from draftTaken where template_id = ?) order by dp.lastname, dp.firstname",
                       {id(state.projectionYear), id(state.draftSettings->template_id)})) {
        reportDatabaseError(dialogs, state.dbConnection, " 12001 error: could not access database");
        return std::nullopt;
    }
    GridTable grid = gridFromRecordset(players);
    grid.hiddenColumns = {0};
    return grid;
}

std::optional<GridTable> fillKeepers(ProgramState& state, UserDialogs& dialogs, int teamid) {
    Recordset keepers;
    if (!openRecordset(
            keepers, state.dbConnection,
            "select dp.playerid, dp.lastname || ' ' || dp.firstname as Name, dp.pos as "
            "Pos, dk.dollars as Price, vbformat(dp.dollars,'0.00') as Value, "
            "vbformat(dp.dollars - dk.dollars,'0.00') as Surplus from draftplayers dp, "
            "draftTaken dk where "
            "dp.yearofprojection = ? and dp.playerid = dk.playerid and "
            "dk.template_id = ? and dk.teamid = ? and dk.draftorder = 0 order by "
            "dp.lastname, dp.firstname",
            {id(state.projectionYear), id(state.draftSettings->template_id), id(teamid)})) {
        reportDatabaseError(dialogs, state.dbConnection, " 12002 error: could not access database");
        return std::nullopt;
    }
    GridTable grid = gridFromRecordset(keepers);
    grid.hiddenColumns = {0};
    if (state.draftSettings->drafttype != kDraftTypeAuction) {
        grid.hiddenColumns.insert(grid.hiddenColumns.end(), {3, 4, 5});
    }
    return grid;
}

std::string keepersTitle(const ProgramState& state, int teamid) {
    for (const DraftTeam& team : state.draftSettings->draftTeams) {
        if (team.teamid == teamid) {
            return "Listed Keepers for " + team.teamname;
        }
    }
    return "Listed Keepers for ";
}

std::optional<KeeperDialog> openKeeperDialog(ProgramState& state, UserDialogs& dialogs,
                                             int playerid) {
    const SqlParams params{id(state.projectionYear), id(playerid)};
    Recordset position;
    if (!openRecordset(position, state.dbConnection,
                       "select pos, dollars from draftplayers where yearofprojection = ? and "
                       "playerid = ?",
                       params)) {
        reportDatabaseError(dialogs, state.dbConnection, " 14001 error: could not access database");
        return std::nullopt;
    }
    Recordset name;
    if (!openRecordset(name, state.dbConnection,
                       "select dp.firstname || ' ' || dp.lastname as name from draftplayers dp "
                       "where dp.yearofprojection = ? and dp.playerid = ?",
                       params)) {
        reportDatabaseError(dialogs, state.dbConnection, " 14002 error: could not access database");
        return std::nullopt;
    }
    KeeperDialog dialog;
    dialog.playerName = name.eof() ? std::string() : name.getText("name");
    dialog.positions = choosePosition(*state.draftSettings,
                                      position.eof() ? std::string() : position.getText("pos"));
    dialog.showDollars = state.draftSettings->drafttype == kDraftTypeAuction;
    dialog.value = position.eof() ? 0.0 : position.getDouble("dollars");
    return dialog;
}

std::string keeperSurplusCaption(double value, std::string_view priceText) {
    std::string caption = fmt::format("Value ${:.2f}", value + 0.0);
    if (const std::optional<double> price = parseNumber(trim(priceText))) {
        const double surplus = value - *price + 0.0;
        caption += fmt::format(", surplus {}${:.2f}", surplus < 0.0 ? "-" : "", std::abs(surplus));
    }
    return caption;
}

KeeperOutcome addKeeper(ProgramState& state, UserDialogs& dialogs, int playerid, int teamid,
                        const std::string& pos, const std::string& dollars) {
    const DraftSettings& draft = *state.draftSettings;
    double price = 0.0;
    if (draft.drafttype == kDraftTypeAuction) {
        const std::optional<double> bid = readBid(dialogs, dollars, draft);
        if (!bid) {
            return KeeperOutcome::Stopped;
        }
        price = *bid;
    }
    TransactionGuard transaction(state.dbConnection);
    const auto failed = [&] {
        transaction.rollback();
        loadDraft(state, draft.template_id);
        return KeeperOutcome::Failed;
    };
    Recordset taken;
    if (!openRecordset(taken, state.dbConnection,
                       "select count(*) as cnt from draftTaken where template_id = ? and "
                       "playerid = ?",
                       {id(draft.template_id), id(playerid)})) {
        reportDatabaseError(dialogs, state.dbConnection, " 14003 error: could not access database");
        return failed();
    }
    if (taken.getInt("cnt") != 0) {
        transaction.rollback();
        dialogs.showMessage("Player Already Selected",
                            "This player is currently on a team in your league and cannot be "
                            "added to another team",
                            MessageIcon::Exclamation);
        return KeeperOutcome::Stopped;
    }
    if (!reconcileTurnHistory(state, dialogs)) {
        return failed();
    }
    if (!executeSql(state.dbConnection,
                    "insert into drafttaken(template_id, playerid, teamid, pos, draftorder, "
                    "dollars) values (?, ?, ?, ?, 0, ?)",
                    {id(draft.template_id), id(playerid), id(teamid), pos, SqlValue{price}})) {
        reportDatabaseError(dialogs, state.dbConnection, " 14003 error: could not access database");
        return failed();
    }
    HistoryEntry keeper;
    keeper.kind = HistoryKind::Keeper;
    keeper.teamid = teamid;
    keeper.playerid = playerid;
    keeper.dollars = price;
    keeper.pos = pos;
    if (!recordHistoryEntry(state, dialogs, keeper) || !transaction.commit()) {
        return failed();
    }
    return KeeperOutcome::Added;
}

bool isKeeper(ProgramState& state, int playerid) {
    Recordset keeper;
    return openRecordset(keeper, state.dbConnection,
                         "select count(*) as cnt from drafttaken where template_id = ? and "
                         "playerid = ? and draftorder = 0",
                         {id(state.draftSettings->template_id), id(playerid)}) &&
           keeper.getInt("cnt") > 0;
}

bool removeKeeper(ProgramState& state, UserDialogs& dialogs, int playerid) {
    if (!dialogs.askYesNo("Remove This Keeper?",
                          "Are you sure that you want to remove this player from the keeper "
                          "list?")) {
        return false;
    }
    TransactionGuard transaction(state.dbConnection);
    const auto undone = [&] {
        transaction.rollback();
        loadDraft(state, state.draftSettings->template_id);
        return false;
    };
    const auto standing = reconcileTurnHistory(state, dialogs);
    if (!standing) {
        return undone();
    }
    if (!executeSql(state.dbConnection,
                    "delete from drafttaken where template_id = ? and playerid = ? and "
                    "draftorder = 0",
                    {id(state.draftSettings->template_id), id(playerid)})) {
        reportDatabaseError(dialogs, state.dbConnection, " 12102 error: could not access database");
        return undone();
    }
    if (state.dbConnection.changes() == 0) {
        return undone();
    }
    // The keeper's entry is taken back, so the history keeps what was removed.
    const std::optional<HistoryEntry> entry = entryOfPlayer(*standing, playerid);
    if ((entry && !takeBackEntry(state, dialogs, *entry)) || !transaction.commit()) {
        return undone();
    }
    return true;
}

RoomView doneAddingKeepers(ProgramState& state, UserDialogs& dialogs, int mainRosterTeamId) {
    RoomView view = refreshAfterPick(state, dialogs, mainRosterTeamId);
    view.draftLog.reset();  // keepers never appear in the draft log
    return view;
}

}  // namespace quorvane
