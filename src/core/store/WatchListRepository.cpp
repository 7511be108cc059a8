// SPDX-License-Identifier: MIT
#include "store/WatchListRepository.h"

#include "store/BoundIds.h"
#include "store/Connection.h"
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
    Recordset rows;
    if (!openRecordset(
            rows, connection,
            "select w.playerid, ifnull(dp.firstname, '') as firstname, ifnull(dp.lastname, '') "
            "as lastname, ifnull(dp.team, '') as team, ifnull(dp.pos, '') as pos, "
            "ifnull(dp.dollars, 0) as dollars, ifnull(dp.draftorder, 0) as playerrank, "
            "ifnull(dt.teamid, 0) as takenby, ifnull(tm.teamname, '') as takenbyname "
            "from DraftWatch w left join DraftPlayers dp on dp.playerid = w.playerid and "
            "dp.yearofprojection = ? left join DraftTaken dt on dt.playerid = w.playerid and "
            "dt.template_id = w.template_id left join DraftTeams tm on tm.teamid = dt.teamid "
            "where w.template_id = ? order by w.rowid",
            {id(season), id(templateId)})) {
        return std::nullopt;
    }
    std::vector<WatchedPlayerRow> players;
    players.reserve(rows.rowCount());
    for (; !rows.eof(); rows.moveNext()) {
        WatchedPlayerRow player;
        player.playerid = static_cast<int>(rows.getInt("playerid"));
        player.firstname = rows.getText("firstname");
        player.lastname = rows.getText("lastname");
        player.team = rows.getText("team");
        player.pos = rows.getText("pos");
        player.dollars = rows.getDouble("dollars");
        player.rank = static_cast<int>(rows.getInt("playerrank"));
        player.takenBy = static_cast<int>(rows.getInt("takenby"));
        player.takenByName = rows.getText("takenbyname");
        players.push_back(std::move(player));
    }
    return players;
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
