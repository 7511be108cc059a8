// SPDX-License-Identifier: MIT
#include "store/DraftRows.h"

#include <string>
#include <string_view>

#include "store/RowReader.h"

namespace quorvane {

namespace {

constexpr std::string_view kPlayerSeasonColumns =
    "select playerid, yearofprojection, stat_indicator, firstname, lastname, pos, games, fta, "
    "ftm, fga, fgm, pt3a, pt3m, oreb, dreb, assists, steals, blocks, turnovers, doubledouble, "
    "tripledouble, PG, SG, SF, PF, C, dollars, draftorder, team, dob, notes, flag, rowid "
    "from DraftPlayers ";

constexpr std::string_view kPicksSql =
    "select playerid, teamid, pos, draftorder, dollars from DraftTaken where template_id = ? "
    "order by rowid";

constexpr int kFirstStat = 6;
constexpr int kFirstPosition = kFirstStat + 15;
constexpr int kFirstListColumn = kFirstPosition + 7;

PlayerSeasonRow playerSeasonOf(const StatementRow& row) {
    PlayerSeasonRow player;
    player.playerid = row.as<int>(0);
    player.yearofprojection = row.as<int>(1);
    player.stat_indicator = row.as<std::optional<std::string>>(2);
    player.firstname = row.text(3);
    player.lastname = row.text(4);
    player.pos = row.text(5);
    player.firstnameMissing = row.isNull(3);
    player.lastnameMissing = row.isNull(4);
    player.posMissing = row.isNull(5);
    for (std::size_t i = 0; i < player.stats.size(); ++i) {
        player.stats[i] = row.real(kFirstStat + static_cast<int>(i));
    }
    player.PG = row.integer(kFirstPosition);
    player.SG = row.integer(kFirstPosition + 1);
    player.SF = row.integer(kFirstPosition + 2);
    player.PF = row.integer(kFirstPosition + 3);
    player.C = row.integer(kFirstPosition + 4);
    player.dollars = row.real(kFirstPosition + 5);
    player.draftorder = row.integer(kFirstPosition + 6);
    player.team = row.as<std::optional<std::string>>(kFirstListColumn);
    player.dob = row.as<std::optional<std::string>>(kFirstListColumn + 1);
    player.notes = row.as<std::optional<std::string>>(kFirstListColumn + 2);
    player.flag = row.integer(kFirstListColumn + 3);
    player.rowid = row.integer(kFirstListColumn + 4);
    return player;
}

PickRow pickOf(const StatementRow& row) {
    return {row.as<int>(0), row.as<int>(1), row.as<std::optional<std::string>>(2), row.integer(3),
            row.real(4)};
}

}  // namespace

std::optional<std::vector<PlayerSeasonRow>> readPlayerSeasonRows(Connection& connection) {
    return readRows<PlayerSeasonRow>(
        connection, std::string(kPlayerSeasonColumns) + "order by playerid, yearofprojection", {},
        playerSeasonOf);
}

std::optional<std::vector<PlayerSeasonRow>> readPlayerSeasonRowsOf(Connection& connection,
                                                                   int playerid) {
    return readRows<PlayerSeasonRow>(
        connection,
        std::string(kPlayerSeasonColumns) + "where playerid = ? order by yearofprojection",
        {SqlValue{std::int64_t{playerid}}}, playerSeasonOf);
}

std::optional<std::vector<PickRow>> readPickRows(Connection& connection, int templateId) {
    return readRows<PickRow>(connection, kPicksSql, {SqlValue{std::int64_t{templateId}}}, pickOf);
}

bool writePlayerValues(Connection& connection, const std::vector<PlayerValueRow>& rows) {
    PreparedStatement dollars;
    PreparedStatement draftorder;
    bool dollarsReady = false;
    bool draftorderReady = false;
    for (const PlayerValueRow& row : rows) {
        const SqlValue id{std::int64_t{row.playerid}};
        const SqlValue year{std::int64_t{row.yearofprojection}};
        if (row.dollars) {
            if (!dollarsReady && !(dollarsReady = dollars.prepare(
                                       connection,
                                       "update DraftPlayers set dollars = ? where playerid = ? and "
                                       "yearofprojection = ?"))) {
                return false;
            }
            if (!dollars.run({*row.dollars, id, year})) {
                return false;
            }
        }
        if (row.draftorder) {
            if (!draftorderReady &&
                !(draftorderReady = draftorder.prepare(
                      connection,
                      "update DraftPlayers set draftorder = ? where playerid = ? and "
                      "yearofprojection = ?"))) {
                return false;
            }
            if (!draftorder.run({SqlValue{*row.draftorder}, id, year})) {
                return false;
            }
        }
    }
    return true;
}

std::optional<PickRow> readPickOfPlayer(Connection& connection, int templateId, int playerid) {
    const std::optional<std::vector<PickRow>> picks = readRows<PickRow>(
        connection,
        "select playerid, teamid, pos, draftorder, dollars from DraftTaken where "
        "template_id = ? and playerid = ?",
        {SqlValue{std::int64_t{templateId}}, SqlValue{std::int64_t{playerid}}}, pickOf);
    if (!picks || picks->empty()) {
        return std::nullopt;
    }
    return picks->front();
}

}  // namespace quorvane
