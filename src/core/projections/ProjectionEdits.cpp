// SPDX-License-Identifier: MIT
#include "projections/ProjectionEdits.h"

#include <cmath>

#include <fmt/format.h>

#include "platform/Log.h"
#include "store/Connection.h"
#include "store/TransactionGuard.h"
#include "text/NumberText.h"
#include "vocabulary/StatementFailures.h"

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

// Every failure of these windows is a critical "Error", logged with its statement.
WriteFailure failure(const Connection& connection, std::string_view message,
                     std::string_view logLiteral, std::string_view sql) {
    return statementFailed(connection,
                           Message{"Error", std::string(message), MessageIcon::Critical},
                           std::string(logLiteral) + std::string(sql));
}

// A valid figure is whole and within 0..7000.
bool validFigure(double figure) {
    return figure >= 0 && figure <= kLargestProjectionEdit && std::floor(figure) == figure;
}

}  // namespace

Outcome<GridTable> listProjectionPlayers(Connection& connection, int projectionYear,
                                         int editPosIndex) {
    const ProjectionListRead players = readProjectionList(connection, projectionYear, editPosIndex);
    if (!players.read.ok) {
        return failure(connection, kLoadStats,
                       ": Error 15006 - Could not select stats: ", players.read.statement);
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

Outcome<PlayerProjection> loadPlayerProjection(Connection& connection, int projectionYear,
                                               int playerid) {
    const PlayerProjectionRead found = readPlayerProjection(connection, projectionYear, playerid);
    if (!found.read.ok) {
        return failure(connection, kLoadStats,
                       ": Error 88801 - Could not select stats: ", found.read.statement);
    }
    if (!found.row) {
        return WriteFailure{WriteFailure::Kind::Refused,
                            Message{"Error",
                                    "Player " + std::to_string(playerid) + " has no " +
                                        std::to_string(projectionYear) + " projection.",
                                    MessageIcon::Critical},
                            {},
                            {}};
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

    const EditCountRead edits = countProjectionEdits(connection, playerid);
    if (!edits.read.ok) {
        return failure(connection, kPlayerInfo,
                       ": Error 88812 - Could not select player name: ", edits.read.statement);
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

ProjectionEditRequest typedProjectionEdit(const PlayerProjection& player,
                                          const std::vector<std::string>& statTexts) {
    ProjectionEditRequest request{player.playerid, player.pos, player.team, {}};
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        const auto figure = i < statTexts.size() ? parseNumber(statTexts[i]) : std::nullopt;
        request.figures[i] = figure.value_or(std::nan(""));
    }
    return request;
}

Decision decideProjectionEdit(const ProjectionEditRequest& request) {
    Decision decision;
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        if (!validFigure(request.figures[i])) {
            decision.refusal =
                Message{"Invalid Projection",
                        std::string("Projection for ") + kEditStatHeadings[i] + " is not valid",
                        MessageIcon::Exclamation};
            return decision;
        }
    }
    // Made before attempted in grid order: FGM after FGA, FTM after FTA, 3PTM after 3PTA.
    for (const std::size_t made : {std::size_t{2}, std::size_t{4}, std::size_t{6}}) {
        const auto madeCount = static_cast<long long>(request.figures[made]);
        const auto attempted = static_cast<long long>(request.figures[made - 1]);
        if (madeCount > attempted) {
            decision.refusal = Message{
                "Invalid Projection",
                fmt::format("Projection for {} is not valid: {} made is more than the {} {}",
                            kEditStatHeadings[made], madeCount, attempted,
                            kEditStatHeadings[made - 1]),
                MessageIcon::Exclamation};
            return decision;
        }
    }
    return decision;
}

Outcome<Done> writeProjectionEdit(Connection& connection, int projectionYear,
                                  const ProjectionEditRequest& request) {
    if (const Decision decision = decideProjectionEdit(request); decision.refused()) {
        return WriteFailure{WriteFailure::Kind::Refused, *decision.refusal, {}, {}};
    }
    std::array<long long, kEditStatCount> values{};
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        values[i] = static_cast<long long>(request.figures[i]);
    }
    // The edit and its figures land together: an edit recorded but not applied, or applied
    // but not recorded, would surprise the user at the next import.
    TransactionGuard transaction(connection);
    const EditStatement deleted = transaction.begun()
                                      ? deleteProjectionEdit(connection, request.playerid)
                                      : EditStatement{false, std::string(kDeleteProjectionEditSql)};
    if (!deleted.ok) {
        return failure(connection, kLoadStats,
                       ": Error 88801 - Could not select stats: ", deleted.statement);
    }
    const EditStatement inserted =
        insertProjectionEdit(connection, request.playerid, request.pos, request.team, values,
                             connection.log().timestamp());
    if (!inserted.ok) {
        return failure(connection, kLoadStats,
                       ": Error 88802 - Could not select stats: ", inserted.statement);
    }
    const EditStatement applied =
        applyProjectionEdit(connection, projectionYear, request.playerid, values);
    if (!applied.ok || !transaction.commit()) {
        return failure(connection, kEditStats,
                       ": Error 88803 - Could not update stats: ", applied.statement);
    }
    return Done{};
}

Outcome<Done> clearProjectionEdits(Connection& connection, int playerid) {
    const EditStatement deleted = deleteProjectionEdit(connection, playerid);
    if (!deleted.ok) {
        return failure(connection, kDeleteStats,
                       ": Error 88811 - Could not delete stats: ", deleted.statement);
    }
    return Done{};
}

Outcome<Done> clearAllProjectionEdits(Connection& connection) {
    const EditStatement deleted = deleteAllProjectionEdits(connection);
    if (!deleted.ok) {
        return failure(connection, kDeleteStats,
                       ": Error 88810 - Could not delete stats: ", deleted.statement);
    }
    return Done{};
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
