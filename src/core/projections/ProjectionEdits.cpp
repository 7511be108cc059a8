// SPDX-License-Identifier: MIT
#include "projections/ProjectionEdits.h"

#include <cmath>

#include <fmt/format.h>
#include "session/ProgramState.h"
#include "session/UserDialogs.h"

#include "store/TransactionGuard.h"
#include "text/NumberText.h"

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
void reportFailure(UserDialogs& dialogs, const ProgramStore& state, std::string_view message,
                   std::string_view logLiteral, std::string_view sql) {
    showDatabaseFailure(dialogs, state.dbConnection, "Error", message, MessageIcon::Critical);
    state.dbConnection.log().writeEntry(std::string(logLiteral) + std::string(sql));
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
    const ProjectionListRead players =
        readProjectionList(state.dbConnection, state.projectionYear, editPosIndex);
    if (!players.read.ok) {
        reportFailure(dialogs, state, kLoadStats,
                      ": Error 15006 - Could not select stats: ", players.read.statement);
        return std::nullopt;
    }
    GridTable grid;
    grid.headings = {"playerid", "Name", "Pos", "Team"};
    grid.headings.insert(grid.headings.end(), kEditStatHeadings.begin(), kEditStatHeadings.end());
    grid.rows.reserve(players.rows.size());
    for (const ProjectionListRow& player : players.rows) {
        std::vector<std::string> cells = {player.playerid, player.name, player.pos, player.team};
        cells.insert(cells.end(), player.stats.begin(), player.stats.end());
        grid.rows.push_back(std::move(cells));
    }
    return grid;
}

std::optional<PlayerProjection> loadPlayerProjection(ProgramState& state, UserDialogs& dialogs,
                                                     int playerid) {
    const PlayerProjectionRead found =
        readPlayerProjection(state.dbConnection, state.projectionYear, playerid);
    if (!found.read.ok) {
        reportFailure(dialogs, state, kLoadStats,
                      ": Error 88801 - Could not select stats: ", found.read.statement);
        return std::nullopt;
    }
    if (!found.row) {
        dialogs.showMessage("Error",
                            "Player " + std::to_string(playerid) + " has no " +
                                std::to_string(state.projectionYear) + " projection.",
                            MessageIcon::Critical);
        return std::nullopt;
    }
    PlayerProjection player;
    player.playerid = playerid;
    player.firstname = found.row->firstname;
    player.lastname = found.row->lastname;
    player.team = found.row->team;
    player.pos = found.row->pos;
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        player.stats[i] = found.row->stats[i];
    }
    player.playername = player.firstname + " " + player.lastname;

    const EditCountRead edits = countProjectionEdits(state.dbConnection, playerid);
    if (!edits.read.ok) {
        reportFailure(dialogs, state, kPlayerInfo,
                      ": Error 88812 - Could not select player name: ", edits.read.statement);
        return std::nullopt;
    }
    player.hasEdit = edits.count > 0;
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
    // Made before attempted in grid order: FGM after FGA, FTM after FTA, 3PTM after 3PTA.
    for (const std::size_t made : {std::size_t{2}, std::size_t{4}, std::size_t{6}}) {
        if (values[made] > values[made - 1]) {
            dialogs.showMessage("Invalid Projection",
                                fmt::format("Projection for {} is not valid: {} made is more "
                                            "than the {} {}",
                                            kEditStatHeadings[made], values[made], values[made - 1],
                                            kEditStatHeadings[made - 1]),
                                MessageIcon::Exclamation);
            return false;
        }
    }

    // The edit and its figures land together: an edit recorded but not applied, or applied
    // but not recorded, would surprise the user at the next import.
    Connection& connection = state.dbConnection;
    TransactionGuard transaction(connection);
    const EditStatement deleted = transaction.begun()
                                      ? deleteProjectionEdit(connection, player.playerid)
                                      : EditStatement{false, std::string(kDeleteProjectionEditSql)};
    if (!deleted.ok) {
        reportFailure(dialogs, state, kLoadStats,
                      ": Error 88801 - Could not select stats: ", deleted.statement);
        return false;
    }
    const EditStatement inserted = insertProjectionEdit(
        connection, player.playerid, player.pos, player.team, values, connection.log().timestamp());
    if (!inserted.ok) {
        reportFailure(dialogs, state, kLoadStats,
                      ": Error 88802 - Could not select stats: ", inserted.statement);
        return false;
    }
    const EditStatement applied =
        applyProjectionEdit(connection, state.projectionYear, player.playerid, values);
    if (!applied.ok || !transaction.commit()) {
        reportFailure(dialogs, state, kEditStats,
                      ": Error 88803 - Could not update stats: ", applied.statement);
        return false;
    }
    return true;
}

bool clearProjectionEdits(ProgramStore& state, UserDialogs& dialogs, int playerid) {
    const EditStatement deleted = deleteProjectionEdit(state.dbConnection, playerid);
    if (!deleted.ok) {
        reportFailure(dialogs, state, kDeleteStats,
                      ": Error 88811 - Could not delete stats: ", deleted.statement);
        return false;
    }
    return true;
}

bool clearAllProjectionEdits(ProgramStore& state, UserDialogs& dialogs) {
    const EditStatement deleted = deleteAllProjectionEdits(state.dbConnection);
    if (!deleted.ok) {
        reportFailure(dialogs, state, kDeleteStats,
                      ": Error 88810 - Could not delete stats: ", deleted.statement);
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
