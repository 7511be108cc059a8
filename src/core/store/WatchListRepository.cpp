// SPDX-License-Identifier: MIT
#include "store/WatchListRepository.h"

#include "store/BoundIds.h"
#include "store/Connection.h"
#include "store/RowReader.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

bool writeOnce(Connection& connection, std::string_view sql, int templateId, int playerid) {
    TransactionGuard transaction(connection);
    return executeSql(connection, sql, {id(templateId), id(playerid)}) && transaction.commit();
}

}  // namespace

std::optional<std::vector<WatchedPlayerRow>> readWatchList(Connection& connection, int templateId,
                                                           int season) {
    return readRows<WatchedPlayerRow>(
        connection,
        "select w.playerid, ifnull(dp.firstname, '') as firstname, ifnull(dp.lastname, '') "
        "as lastname, ifnull(dp.team, '') as team, ifnull(dp.pos, '') as pos, "
        "ifnull(dp.dollars, 0) as dollars, ifnull(dp.draftorder, 0) as playerrank, "
        "ifnull(dt.teamid, 0) as takenby, ifnull(tm.teamname, '') as takenbyname "
        "from DraftWatch w left join DraftPlayers dp on dp.playerid = w.playerid and "
        "dp.yearofprojection = ? left join DraftTaken dt on dt.playerid = w.playerid and "
        "dt.template_id = w.template_id left join DraftTeams tm on tm.teamid = dt.teamid "
        "where w.template_id = ? order by w.rowid",
        {id(season), id(templateId)}, [](const StatementRow& row) {
            WatchedPlayerRow player;
            player.playerid = row.as<int>(0);
            player.firstname = row.text(1);
            player.lastname = row.text(2);
            player.team = row.text(3);
            player.pos = row.text(4);
            player.dollars = row.real(5);
            player.rank = row.as<int>(6);
            player.takenBy = row.as<int>(7);
            player.takenByName = row.text(8);
            return player;
        });
}

bool addToWatchList(Connection& connection, int templateId, int playerid) {
    return writeOnce(connection,
                     "insert or ignore into DraftWatch (template_id, playerid) values (?, ?)",
                     templateId, playerid);
}

bool removeFromWatchList(Connection& connection, int templateId, int playerid) {
    return writeOnce(connection, "delete from DraftWatch where template_id = ? and playerid = ?",
                     templateId, playerid);
}

}  // namespace quorvane
