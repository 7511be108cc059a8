// SPDX-License-Identifier: MIT
#include "store/ProjectionEditRows.h"

#include "store/Connection.h"

namespace quorvane {

namespace {

SqlValue number(long long value) {
    return SqlValue{std::int64_t{value}};
}

std::string statSelectList() {
    std::string text;
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        text += std::string(i == 0 ? "" : ", ") + kEditStatColumns[i] + " as \"" +
                kEditStatHeadings[i] + "\"";
    }
    return text;
}

std::string positionClause(int editPosIndex) {
    switch (editPosIndex) {
        case 1:
            return " and pos = 'C'";
        case 2:
            return " and pos = 'G'";
        case 3:
            return " and pos = 'F'";
        default:
            return " and pos in ('C', 'G', 'F')";
    }
}

EditStatement run(Connection& connection, std::string sql, const SqlParams& params = {}) {
    const bool ok = executeSql(connection, sql, params);
    return {ok, std::move(sql)};
}

}  // namespace

ProjectionListRead readProjectionList(Connection& connection, int season, int editPosIndex) {
    ProjectionListRead result;
    result.read.statement =
        "select playerid, lastname || ', ' || firstname as Name, pos as Pos, team as Team, " +
        statSelectList() + " from DraftPlayers where yearofprojection = ?" +
        positionClause(editPosIndex) + " order by lastname collate NAMES, firstname collate NAMES";
    Recordset players;
    result.read.ok = openRecordset(players, connection, result.read.statement, {number(season)});
    if (!result.read.ok) {
        return result;
    }
    for (const auto& values : players.rows()) {
        ProjectionListRow row{
            toText(values[0]), toText(values[1]), toText(values[2]), toText(values[3]), {}};
        for (std::size_t i = 0; i < kEditStatCount; ++i) {
            row.stats[i] = toText(values[4 + i]);
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

PlayerProjectionRead readPlayerProjection(Connection& connection, int season, int playerid) {
    PlayerProjectionRead result;
    result.read.statement = "select playerid, firstname, lastname, team, pos, " + statSelectList() +
                            " from DraftPlayers where yearofprojection = ? and playerid = ?";
    Recordset found;
    result.read.ok =
        openRecordset(found, connection, result.read.statement, {number(season), number(playerid)});
    if (!result.read.ok || found.eof()) {
        return result;
    }
    PlayerProjectionRow row;
    row.firstname = found.getText("firstname");
    row.lastname = found.getText("lastname");
    row.team = found.getText("team");
    row.pos = found.getText("pos");
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        row.stats[i] = found.getInt(kEditStatHeadings[i]);
    }
    result.row = std::move(row);
    return result;
}

EditCountRead countProjectionEdits(Connection& connection, int playerid) {
    EditCountRead result;
    result.read.statement = "select count(*) as cnt from ProjectionEdits where playerid = ?";
    Recordset edits;
    result.read.ok = openRecordset(edits, connection, result.read.statement, {number(playerid)});
    if (result.read.ok && !edits.eof()) {
        result.count = edits.getInt("cnt");
    }
    return result;
}

EditStatement deleteProjectionEdit(Connection& connection, int playerid) {
    return run(connection, std::string(kDeleteProjectionEditSql), {number(playerid)});
}

EditStatement deleteAllProjectionEdits(Connection& connection) {
    return run(connection, "delete from ProjectionEdits");
}

EditStatement insertProjectionEdit(Connection& connection, int playerid, const std::string& pos,
                                   const std::string& team,
                                   const std::array<long long, kEditStatCount>& values,
                                   const std::string& updatedAt) {
    SqlParams params = {number(playerid), pos, team};
    for (const long long value : values) {
        params.push_back(number(value));
    }
    params.emplace_back(updatedAt);
    return run(connection,
               "insert into ProjectionEdits (playerid, pos, team, games, FGA, FGM, FTA, FTM, pt3a, "
               "pt3m, OREB, DREB, assists, steals, blocks, turnovers, doubledouble, tripledouble, "
               "LastUpdated) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
               params);
}

EditStatement applyProjectionEdit(Connection& connection, int season, int playerid,
                                  const std::array<long long, kEditStatCount>& values) {
    std::string sql = "update DraftPlayers set ";
    SqlParams params;
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        sql += std::string(i == 0 ? "" : ", ") + kEditStatColumns[i] + " = ?";
        params.push_back(number(values[i]));
    }
    sql += " where yearofprojection = ? and playerid = ?";
    params.push_back(number(season));
    params.push_back(number(playerid));
    return run(connection, std::move(sql), params);
}

}  // namespace quorvane
