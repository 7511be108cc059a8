// SPDX-License-Identifier: MIT
#include "projections/ProjectionEdits.h"

#include <cmath>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "store/NumberText.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

constexpr std::string_view kLoadStats =
    "Err 1506: Could not load stats. If the problem persists please contact customer support.";
constexpr std::string_view kPlayerInfo =
    "Err 1506: Could not get player info. If the problem persists please contact customer "
    "support.";
constexpr std::string_view kEditStats =
    "Err 1506: Could not edit stats. If the problem persists please contact customer support.";
constexpr std::string_view kDeleteStats =
    "Err 1506: Could not delete stats. If the problem persists please contact customer "
    "support.";

// Every failure of these windows is shown as a critical "Error" and logged with its statement.
void reportFailure(UserDialogs& dialogs, const ProgramState& state, std::string_view message,
                   std::string_view logLiteral, std::string_view sql) {
    showDatabaseFailure(dialogs, state.dbConnection, "Error", message, MessageIcon::Critical);
    state.dbConnection.log().writeEntry(std::string(logLiteral) + std::string(sql));
}

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

// A cell holds a valid figure when it reads as a number that is whole and within 0..7000.
std::optional<long long> editValue(const std::string& text) {
    const auto value = parseNumber(text);
    if (!value || *value < 0 || *value > kLargestProjectionEdit || std::floor(*value) != *value) {
        return std::nullopt;
    }
    return static_cast<long long>(*value);
}

}  // namespace

std::optional<GridTable> listProjectionPlayers(ProgramState& state, UserDialogs& dialogs,
                                               int editPosIndex) {
    const std::string sql =
        "select playerid, lastname || ', ' || firstname as Name, pos as Pos, team as Team, " +
        statSelectList() + " from DraftPlayers where yearofprojection = ?" +
        positionClause(editPosIndex) + " order by lastname, firstname";
    Recordset players;
    if (!openRecordset(players, state.dbConnection, sql, {number(state.projectionYear)})) {
        reportFailure(dialogs, state, kLoadStats, ": Error 15006 - Could not select stats: ", sql);
        return std::nullopt;
    }
    return gridFromRecordset(players);
}

std::optional<PlayerProjection> loadPlayerProjection(ProgramState& state, UserDialogs& dialogs,
                                                     int playerid) {
    const std::string sql = "select playerid, firstname, lastname, team, pos, " + statSelectList() +
                            " from DraftPlayers where yearofprojection = ? and playerid = ?";
    Recordset found;
    if (!openRecordset(found, state.dbConnection, sql,
                       {number(state.projectionYear), number(playerid)})) {
        reportFailure(dialogs, state, kLoadStats, ": Error 88801 - Could not select stats: ", sql);
        return std::nullopt;
    }
    if (found.eof()) {
        dialogs.showMessage("Error",
                            "Player " + std::to_string(playerid) + " has no " +
                                std::to_string(state.projectionYear) + " projection.",
                            MessageIcon::Critical);
        return std::nullopt;
    }
    PlayerProjection player;
    player.playerid = playerid;
    player.firstname = found.getText("firstname");
    player.lastname = found.getText("lastname");
    player.team = found.getText("team");
    player.pos = found.getText("pos");
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        player.stats[i] = found.getInt(kEditStatHeadings[i]);
    }
    player.playername = player.firstname + " " + player.lastname;

    const std::string countSql = "select count(*) as cnt from ProjectionEdits where playerid = ?";
    Recordset edits;
    if (!openRecordset(edits, state.dbConnection, countSql, {number(playerid)})) {
        reportFailure(dialogs, state, kPlayerInfo,
                      ": Error 88812 - Could not select player name: ", countSql);
        return std::nullopt;
    }
    player.hasEdit = !edits.eof() && edits.getInt("cnt") > 0;
    return player;
}

GridTable playerProjectionGrid(const PlayerProjection& player) {
    GridTable grid;
    grid.headings = {"playerid", "Name", "Team", "Pos"};
    std::vector<std::string> row = {std::to_string(player.playerid), player.playername, player.team,
                                    player.pos};
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        grid.headings.emplace_back(kEditStatHeadings[i]);
        row.push_back(std::to_string(player.stats[i]));
    }
    grid.rows.push_back(std::move(row));
    return grid;
}

bool saveProjectionEdit(ProgramState& state, UserDialogs& dialogs, const PlayerProjection& player,
                        const std::vector<std::string>& statTexts) {
    std::array<long long, kEditStatCount> values{};
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        const auto value = i < statTexts.size() ? editValue(statTexts[i]) : std::nullopt;
        if (!value) {
            dialogs.showMessage(
                "Invalid Projection",
                std::string("Projection for ") + kEditStatHeadings[i] + " is not valid",
                MessageIcon::Exclamation);
            return false;
        }
        values[i] = *value;
    }

    // The edit and its figures land together: an edit recorded but not applied, or applied
    // but not recorded, would surprise the user at the next import.
    Connection& connection = state.dbConnection;
    TransactionGuard transaction(connection);
    const std::string deleteSql = "delete from ProjectionEdits where playerid = ?";
    if (!transaction.begun() || !executeSql(connection, deleteSql, {number(player.playerid)})) {
        reportFailure(dialogs, state, kLoadStats,
                      ": Error 88801 - Could not select stats: ", deleteSql);
        return false;
    }

    const std::string insertSql =
        "insert into ProjectionEdits (playerid, pos, team, games, FGA, FGM, FTA, FTM, pt3a, "
        "pt3m, OREB, DREB, assists, steals, blocks, turnovers, doubledouble, tripledouble, "
        "LastUpdated) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
    SqlParams insertParams = {number(player.playerid), player.pos, player.team};
    for (const long long value : values) {
        insertParams.push_back(number(value));
    }
    insertParams.emplace_back(connection.log().timestamp());
    if (!executeSql(connection, insertSql, insertParams)) {
        reportFailure(dialogs, state, kLoadStats,
                      ": Error 88802 - Could not select stats: ", insertSql);
        return false;
    }

    std::string updateSql = "update DraftPlayers set ";
    SqlParams updateParams;
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        updateSql += std::string(i == 0 ? "" : ", ") + kEditStatColumns[i] + " = ?";
        updateParams.push_back(number(values[i]));
    }
    updateSql += " where yearofprojection = ? and playerid = ?";
    updateParams.push_back(number(state.projectionYear));
    updateParams.push_back(number(player.playerid));
    if (!executeSql(connection, updateSql, updateParams) || !transaction.commit()) {
        reportFailure(dialogs, state, kEditStats,
                      ": Error 88803 - Could not update stats: ", updateSql);
        return false;
    }
    return true;
}

bool clearProjectionEdits(ProgramState& state, UserDialogs& dialogs, int playerid) {
    const std::string sql = "delete from ProjectionEdits where playerid = ?";
    if (!executeSql(state.dbConnection, sql, {number(playerid)})) {
        reportFailure(dialogs, state, kDeleteStats,
                      ": Error 88811 - Could not delete stats: ", sql);
        return false;
    }
    return true;
}

bool clearAllProjectionEdits(ProgramState& state, UserDialogs& dialogs) {
    const std::string sql = "delete from ProjectionEdits";
    if (!executeSql(state.dbConnection, sql)) {
        reportFailure(dialogs, state, kDeleteStats,
                      ": Error 88810 - Could not delete stats: ", sql);
        return false;
    }
    return true;
}

std::string clearEditsMessage(const std::string& playername) {
    return "This will clear all of the projections that you have made for THIS player. "
           "After you run this process you MUST download the most recent projections and "
           "load them into the system.  If you just want to clear the projections for ALL "
           "players then hit the \"Clear Projection Edits\" button on the \"Edit Projections\" "
           "main window.\r\nDo you want to clear the projection edits for " +
           playername + "?";
}

std::string clearAllEditsMessage() {
    return "This will clear all of the projections that you have made for EVERY player. "
           "After you run this process you MUST download the most recent projections and "
           "load them into the system.  If you just want to clear the projections for one "
           "player then double-click on that player and hit the \"Clear Projection Edit\" on "
           "that window.\r\nDo you want to clear all of your projection edits?";
}

}  // namespace quorvane
