// SPDX-License-Identifier: MIT
#include "store/DraftTakenRepository.h"

#include <string_view>

#include "store/BoundIds.h"
#include "store/Connection.h"

namespace quorvane {

namespace {

// The first column of a one-row answer.
std::optional<SqlValue> single(Connection& connection, std::string_view sql,
                               const SqlParams& params) {
    Recordset rows;
    if (!openRecordset(rows, connection, sql, params)) {
        return std::nullopt;
    }
    return rows.eof() || rows.rows().front().empty() ? SqlValue{} : rows.rows().front().front();
}

std::optional<double> amount(Connection& connection, std::string_view sql,
                             const SqlParams& params) {
    const std::optional<SqlValue> value = single(connection, sql, params);
    return value ? std::optional<double>(toDouble(*value)) : std::nullopt;
}

std::optional<int> removed(Connection& connection, std::string_view sql, const SqlParams& params) {
    if (!executeSql(connection, sql, params)) {
        return std::nullopt;
    }
    return connection.changes();
}

}  // namespace

std::optional<std::vector<SlotUse>> readSlotUseWithout(Connection& connection, int templateId,
                                                       int teamid, int playerid) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select upper(pos) as slot, count(*) as cnt from DraftTaken where "
                       "template_id = ? and teamid = ? and playerid <> ? group by upper(pos)",
                       {id(templateId), id(teamid), id(playerid)})) {
        return std::nullopt;
    }
    std::vector<SlotUse> uses;
    uses.reserve(rows.rowCount());
    for (const auto& row : rows.rows()) {
        uses.push_back({toText(row[0]), toInt(row[1])});
    }
    return uses;
}

std::optional<double> readTeamMoneySpent(Connection& connection, int teamid) {
    return amount(connection,
                  "select iif(sum(dollars) is null,0,sum(dollars)) as amt from DraftTaken where "
                  "teamid = ?",
                  {id(teamid)});
}

std::optional<int> readTeamOfPlayer(Connection& connection, int templateId, int playerid) {
    const std::optional<SqlValue> teamid =
        single(connection, "select teamid from drafttaken where template_id = ? and playerid = ?",
               {id(templateId), id(playerid)});
    return teamid ? std::optional<int>(static_cast<int>(toInt(*teamid))) : std::nullopt;
}

std::optional<std::optional<HeldPlayerRow>> readHeldPlayer(Connection& connection, int templateId,
                                                           int teamid, int playerid, int season) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select dt.pos, dp.firstname, dp.lastname, dt.dollars from draftplayers "
                       "dp, drafttaken dt where dp.playerid = ? and dp.playerid = dt.playerid and "
                       "dt.template_id = ? and dt.teamid = ? order by dp.yearofprojection = ? "
                       "desc",
                       {id(playerid), id(templateId), id(teamid), id(season)})) {
        return std::nullopt;
    }
    if (rows.eof()) {
        return std::optional<HeldPlayerRow>();
    }
    const auto& row = rows.rows().front();
    return std::optional<HeldPlayerRow>(
        HeldPlayerRow{toText(row[0]), toText(row[1]), toText(row[2]), toText(row[3])});
}

std::optional<std::vector<KeeperRow>> readKeeperRows(Connection& connection, int season,
                                                     int templateId, int teamid) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select dp.playerid, dp.firstname, dp.lastname, dp.pos, dk.dollars, "
                       "dp.dollars from draftplayers dp, draftTaken dk where dp.yearofprojection = "
                       "? and dp.playerid = dk.playerid and dk.template_id = ? and dk.teamid = ? "
                       "and dk.draftorder = 0 order by dp.lastname, dp.firstname",
                       {id(season), id(templateId), id(teamid)})) {
        return std::nullopt;
    }
    const auto text = [](const SqlValue& value) {
        return isNull(value) ? std::nullopt : std::optional<std::string>(toText(value));
    };
    const auto number = [](const SqlValue& value) {
        return isNull(value) ? std::nullopt : std::optional<double>(toDouble(value));
    };
    std::vector<KeeperRow> keepers;
    keepers.reserve(rows.rowCount());
    for (const auto& row : rows.rows()) {
        keepers.push_back({static_cast<int>(toInt(row[0])), text(row[1]), text(row[2]),
                           toText(row[3]), toText(row[4]), number(row[4]), number(row[5])});
    }
    return keepers;
}

std::optional<std::vector<NamedPickRow>> readNamedPicks(Connection& connection, int season,
                                                        int templateId) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select dt.playerid, dt.teamid, dt.draftorder, dt.dollars, "
                       "iif(dp.firstname is null,'',dp.firstname) as firstname, "
                       "iif(dp.lastname is null,'',dp.lastname) as lastname, "
                       "iif(dp.pos is null,'',dp.pos) as pos, upper(iif(dt.pos is null,'',dt.pos)) "
                       "as slot, dp.draftorder as playerrank from DraftTaken dt left join "
                       "DraftPlayers dp on dp.playerid = dt.playerid and dp.yearofprojection = ? "
                       "where dt.template_id = ? order by dt.draftorder, dt.rowid",
                       {id(season), id(templateId)})) {
        return std::nullopt;
    }
    std::vector<NamedPickRow> picks;
    picks.reserve(rows.rowCount());
    for (const auto& row : rows.rows()) {
        picks.push_back({static_cast<int>(toInt(row[0])), static_cast<int>(toInt(row[1])),
                         static_cast<int>(toInt(row[2])), toDouble(row[3]), toText(row[4]),
                         toText(row[5]), toText(row[6]), toText(row[7]),
                         static_cast<int>(toInt(row[8]))});
    }
    return picks;
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
