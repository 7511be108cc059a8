// SPDX-License-Identifier: MIT
#include "store/DraftTakenRepository.h"

#include <string_view>

#include "store/BoundIds.h"
#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {

namespace {

std::optional<int> removed(Connection& connection, std::string_view sql, const SqlParams& params) {
    if (!executeSql(connection, sql, params)) {
        return std::nullopt;
    }
    return connection.changes();
}

}  // namespace

std::optional<std::vector<SlotUse>> readSlotUseWithout(Connection& connection, int templateId,
                                                       int teamid, int playerid) {
    return readRows<SlotUse>(connection,
                             "select upper(pos) as slot, count(*) as cnt from DraftTaken where "
                             "template_id = ? and teamid = ? and playerid <> ? group by upper(pos)",
                             {id(templateId), id(teamid), id(playerid)},
                             [](const StatementRow& row) {
                                 return SlotUse{row.text(0), row.integer(1)};
                             });
}

std::optional<double> readTeamMoneySpent(Connection& connection, int teamid) {
    return readScalar<double>(
        connection,
        "select iif(sum(dollars) is null,0,sum(dollars)) as amt from DraftTaken where "
        "teamid = ?",
        {id(teamid)});
}

std::optional<int> readTeamOfPlayer(Connection& connection, int templateId, int playerid) {
    return readScalar<int>(connection,
                           "select teamid from drafttaken where template_id = ? and playerid = ?",
                           {id(templateId), id(playerid)});
}

std::optional<std::optional<HeldPlayerRow>> readHeldPlayer(Connection& connection, int templateId,
                                                           int teamid, int playerid, int season) {
    std::optional<std::vector<HeldPlayerRow>> held = readRows<HeldPlayerRow>(
        connection,
        "select dt.pos, dp.firstname, dp.lastname, dt.dollars from draftplayers "
        "dp, drafttaken dt where dp.playerid = ? and dp.playerid = dt.playerid and "
        "dt.template_id = ? and dt.teamid = ? order by dp.yearofprojection = ? "
        "desc",
        {id(playerid), id(templateId), id(teamid), id(season)}, [](const StatementRow& row) {
            return HeldPlayerRow{row.text(0), row.text(1), row.text(2), row.text(3)};
        });
    if (!held) {
        return std::nullopt;
    }
    if (held->empty()) {
        return std::optional<HeldPlayerRow>();
    }
    return std::optional<HeldPlayerRow>(std::move(held->front()));
}

std::optional<std::vector<KeeperRow>> readKeeperRows(Connection& connection, int season,
                                                     int templateId, int teamid) {
    return readRows<KeeperRow>(
        connection,
        "select dp.playerid, dp.firstname, dp.lastname, dp.pos, dk.dollars, "
        "dp.dollars from draftplayers dp, draftTaken dk where dp.yearofprojection = "
        "? and dp.playerid = dk.playerid and dk.template_id = ? and dk.teamid = ? "
        "and dk.draftorder = 0 order by dp.lastname collate NAMES, dp.firstname collate NAMES",
        {id(season), id(templateId), id(teamid)}, [](const StatementRow& row) {
            return KeeperRow{row.as<int>(0),
                             row.as<std::optional<std::string>>(1),
                             row.as<std::optional<std::string>>(2),
                             row.text(3),
                             row.text(4),
                             row.as<std::optional<double>>(4),
                             row.as<std::optional<double>>(5)};
        });
}

bool insertTaken(Connection& connection, int templateId, const TakenRow& row) {
    return executeSql(connection,
                      "insert into drafttaken(template_id, teamid, playerid, draftorder, dollars, "
                      "pos) values (?, ?, ?, ?, ?, ?)",
                      {id(templateId), id(row.teamid), id(row.playerid), SqlValue{row.draftorder},
                       SqlValue{row.dollars}, row.pos});
}

bool moveTaken(Connection& connection, int templateId, int playerid, int teamid,
               const std::string& slot, std::optional<double> price) {
    if (price) {
        return executeSql(connection,
                          "update drafttaken set teamid = ?, pos = ?, dollars = ? where "
                          "playerid = ? and template_id = ?",
                          {id(teamid), slot, SqlValue{*price}, id(playerid), id(templateId)});
    }
    return executeSql(connection,
                      "update drafttaken set teamid = ?, pos = ? where playerid = ? and "
                      "template_id = ?",
                      {id(teamid), slot, id(playerid), id(templateId)});
}

std::optional<int> deletePlayerTaken(Connection& connection, int templateId, int playerid) {
    return removed(connection, "delete from draftTaken where template_id = ? and playerid = ?",
                   {id(templateId), id(playerid)});
}

std::optional<int> deleteKeeperTaken(Connection& connection, int templateId, int playerid) {
    return removed(connection,
                   "delete from drafttaken where template_id = ? and playerid = ? and "
                   "draftorder = 0",
                   {id(templateId), id(playerid)});
}

std::optional<int> deleteTeamPlayerTaken(Connection& connection, int templateId, int teamid,
                                         int playerid) {
    return removed(connection,
                   "delete from DraftTaken where template_id = ? and teamid = ? and playerid = ?",
                   {id(templateId), id(teamid), id(playerid)});
}

}  // namespace quorvane
