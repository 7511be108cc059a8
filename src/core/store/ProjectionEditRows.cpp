// SPDX-License-Identifier: MIT
#include "store/ProjectionEditRows.h"

#include "store/Connection.h"
#include "store/RowReader.h"

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
    std::optional<std::vector<ProjectionListRow>> rows = readRows<ProjectionListRow>(
        connection, result.read.statement, {number(season)}, [](const StatementRow& values) {
            ProjectionListRow row{
                values.text(0), values.text(1), values.text(2), values.text(3), {}};
            for (std::size_t i = 0; i < kEditStatCount; ++i) {
                row.stats[i] = values.text(4 + static_cast<int>(i));
            }
            return row;
        });
    result.read.ok = rows.has_value();
    if (rows) {
        result.rows = std::move(*rows);
    }
    return result;
}

PlayerProjectionRead readPlayerProjection(Connection& connection, int season, int playerid) {
    PlayerProjectionRead result;
    result.read.statement = "select playerid, firstname, lastname, team, pos, " + statSelectList() +
                            " from DraftPlayers where yearofprojection = ? and playerid = ?";
    std::optional<std::vector<PlayerProjectionRow>> rows = readRows<PlayerProjectionRow>(
        connection, result.read.statement, {number(season), number(playerid)},
        [](const StatementRow& found) {
            PlayerProjectionRow row;
            row.firstname = found.text(1);
            row.lastname = found.text(2);
            row.team = found.text(3);
            row.pos = found.text(4);
            for (std::size_t i = 0; i < kEditStatCount; ++i) {
                row.stats[i] = found.integer(5 + static_cast<int>(i));
            }
            return row;
        });
    result.read.ok = rows.has_value();
    if (rows && !rows->empty()) {
        result.row = std::move(rows->front());
    }
    return result;
}

EditCountRead countProjectionEdits(Connection& connection, int playerid) {
    EditCountRead result;
    result.read.statement = "select count(*) as cnt from ProjectionEdits where playerid = ?";
    const std::optional<std::int64_t> count =
        readScalar<std::int64_t>(connection, result.read.statement, {number(playerid)});
    result.read.ok = count.has_value();
    result.count = count.value_or(0);
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
