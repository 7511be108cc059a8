// SPDX-License-Identifier: MIT
#include "store/DraftPlayerRepository.h"

#include <string_view>

#include "store/BoundIds.h"
#include "store/Connection.h"

namespace quorvane {

namespace {

std::optional<std::string> optionalText(const SqlValue& value) {
    return isNull(value) ? std::nullopt : std::optional<std::string>(toText(value));
}

}  // namespace

bool writePlayerFlag(Connection& connection, int playerid, int flag) {
    return executeSql(connection, "update draftplayers set flag = ? where playerid = ?",
                      {id(flag), id(playerid)});
}

bool writePlayerNote(Connection& connection, int season, int playerid, const std::string& note) {
    return executeSql(
        connection, "update DraftPlayers set notes = ? where playerid = ? and yearofprojection = ?",
        {note, id(playerid), id(season)});
}

std::optional<std::vector<std::string>> readNbaTeams(Connection& connection) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select distinct team from draftPlayers where team is not null and "
                       "rtrim(team) <> '' order by team")) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    names.reserve(rows.rowCount());
    for (const auto& row : rows.rows()) {
        names.push_back(toText(row[0]));
    }
    return names;
}

std::optional<std::int64_t> countPlayersNamed(Connection& connection, const std::string& firstname,
                                              const std::string& lastname) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select count(*) as cnt from draftPlayers where firstname = ? and "
                       "lastname = ?",
                       {firstname, lastname})) {
        return std::nullopt;
    }
    return rows.getInt("cnt");
}

namespace {

std::optional<std::vector<FreePlayerRow>> freePlayers(Connection& connection, std::string_view sql,
                                                      int season, int templateId) {
    Recordset rows;
    if (!openRecordset(rows, connection, sql, {id(season), id(templateId)})) {
        return std::nullopt;
    }
    std::vector<FreePlayerRow> players;
    players.reserve(rows.rowCount());
    for (const auto& row : rows.rows()) {
        players.push_back({static_cast<int>(toInt(row[0])), optionalText(row[1]),
                           optionalText(row[2]), toText(row[3]), toText(row[4]), toDouble(row[5]),
                           static_cast<int>(toInt(row[6]))});
    }
    return players;
}

}  // namespace

std::optional<std::vector<FreePlayerRow>> readFreePlayers(Connection& connection, int season,
                                                          int templateId) {
    return freePlayers(
        connection,
        "select dp.playerid, dp.firstname, dp.lastname, dp.team, dp.pos, dp.dollars, "
        "dp.draftorder from DraftPlayers dp where dp.yearofprojection = ? and "
        "dp.playerid not in (select playerid from DraftTaken where template_id = "
        "?)",
        season, templateId);
}

std::optional<std::vector<FreePlayerRow>> readFreePlayersByName(Connection& connection, int season,
                                                                int templateId) {
    return freePlayers(
        connection,
        "select dp.playerid, dp.firstname, dp.lastname, dp.team, dp.pos, dp.dollars, "
        "dp.draftorder from DraftPlayers dp where dp.yearofprojection = ? and "
        "dp.playerid not in (select playerid from DraftTaken where template_id = "
        "?) order by dp.lastname collate NAMES, dp.firstname collate NAMES",
        season, templateId);
}

std::optional<int> readHighestCustomPlayerid(Connection& connection) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select iif(max(playerid) is null,0,max(playerid)) as plid from "
                       "draftadded")) {
        return std::nullopt;
    }
    return static_cast<int>(rows.getInt("plid"));
}

bool insertCustomPlayer(Connection& connection, const CustomPlayerRow& row,
                        const std::vector<int>& seasons) {
    if (!executeSql(connection,
                    "insert into draftAdded (playerid, firstname, lastname, pos, team, dateAdded) "
                    "values (?, ?, ?, ?, ?, ?)",
                    {id(row.playerid), row.firstname, row.lastname, row.listedPos, row.team,
                     row.dateAdded})) {
        return false;
    }
    for (const int season : seasons) {
        if (!executeSql(connection,
                        "insert into draftPlayers (playerid, stat_indicator, firstname, lastname, "
                        "pos, team, yearofprojection, c, pg, sg, pf, sf) values (?, 'P', ?, ?, ?, "
                        "?, ?, ?, ?, ?, ?, ?)",
                        {id(row.playerid), row.firstname, row.lastname, row.pos, row.team,
                         id(season), SqlValue{row.c}, SqlValue{row.pg}, SqlValue{row.sg},
                         SqlValue{row.pf}, SqlValue{row.sf}})) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvane
