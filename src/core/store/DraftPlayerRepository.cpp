// SPDX-License-Identifier: MIT
#include "store/DraftPlayerRepository.h"

#include <string_view>

#include "store/BoundIds.h"
#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {

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
    return readRows<std::string>(
        connection,
        "select distinct team from draftPlayers where team is not null and "
        "rtrim(team) <> '' order by team",
        {}, [](const StatementRow& row) { return row.text(0); });
}

std::optional<std::int64_t> countPlayersNamed(Connection& connection, const std::string& firstname,
                                              const std::string& lastname) {
    return readScalar<std::int64_t>(connection,
                                    "select count(*) as cnt from draftPlayers where firstname = ? "
                                    "and lastname = ?",
                                    {firstname, lastname});
}

namespace {

std::optional<std::vector<FreePlayerRow>> freePlayers(Connection& connection, std::string_view sql,
                                                      int season, int templateId) {
    return readRows<FreePlayerRow>(connection, sql, {id(season), id(templateId)},
                                   [](const StatementRow& row) {
                                       return FreePlayerRow{row.as<int>(0),
                                                            row.as<std::optional<std::string>>(1),
                                                            row.as<std::optional<std::string>>(2),
                                                            row.text(3),
                                                            row.text(4),
                                                            row.real(5),
                                                            row.as<int>(6)};
                                   });
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
    return readScalar<int>(connection,
                           "select iif(max(playerid) is null,0,max(playerid)) as plid from "
                           "draftadded");
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
