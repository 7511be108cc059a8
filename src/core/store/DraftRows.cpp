// SPDX-License-Identifier: MIT
#include "store/DraftRows.h"

#include <string>
#include <string_view>

namespace quorvane {

namespace {

constexpr std::string_view kPlayerSeasonColumns =
    "select playerid, yearofprojection, stat_indicator, firstname, lastname, pos, games, fta, "
    "ftm, fga, fgm, pt3a, pt3m, oreb, dreb, assists, steals, blocks, turnovers, doubledouble, "
    "tripledouble, PG, SG, SF, PF, C, dollars, draftorder, team, dob, notes, flag, rowid "
    "from DraftPlayers ";
constexpr std::size_t kFirstStat = 6;
constexpr std::size_t kFirstPosition = kFirstStat + 15;
constexpr std::size_t kFirstListColumn = kFirstPosition + 7;

constexpr std::string_view kPicksSql =
    "select playerid, teamid, pos, draftorder, dollars from DraftTaken where template_id = ? "
    "order by rowid";

std::optional<std::string> optionalText(const SqlValue& value) {
    if (isNull(value)) {
        return std::nullopt;
    }
    return toText(value);
}

std::optional<std::vector<PlayerSeasonRow>> seasonRows(Connection& connection, std::string_view sql,
                                                       const std::vector<SqlValue>& parameters) {
    Recordset records;
    if (!openRecordset(records, connection, sql, parameters)) {
        return std::nullopt;
    }
    std::vector<PlayerSeasonRow> rows;
    rows.reserve(records.rowCount());
    for (const auto& row : records.rows()) {
        PlayerSeasonRow player;
        player.playerid = static_cast<int>(toInt(row[0]));
        player.yearofprojection = static_cast<int>(toInt(row[1]));
        player.stat_indicator = optionalText(row[2]);
        player.firstname = toText(row[3]);
        player.lastname = toText(row[4]);
        player.pos = toText(row[5]);
        player.firstnameMissing = isNull(row[3]);
        player.lastnameMissing = isNull(row[4]);
        player.posMissing = isNull(row[5]);
        for (std::size_t i = 0; i < player.stats.size(); ++i) {
            player.stats[i] = toDouble(row[kFirstStat + i]);
        }
        player.PG = toInt(row[kFirstPosition]);
        player.SG = toInt(row[kFirstPosition + 1]);
        player.SF = toInt(row[kFirstPosition + 2]);
        player.PF = toInt(row[kFirstPosition + 3]);
        player.C = toInt(row[kFirstPosition + 4]);
        player.dollars = toDouble(row[kFirstPosition + 5]);
        player.draftorder = toInt(row[kFirstPosition + 6]);
        player.team = optionalText(row[kFirstListColumn]);
        player.dob = optionalText(row[kFirstListColumn + 1]);
        player.notes = optionalText(row[kFirstListColumn + 2]);
        player.flag = toInt(row[kFirstListColumn + 3]);
        player.rowid = toInt(row[kFirstListColumn + 4]);
        rows.push_back(std::move(player));
    }
    return rows;
}

}  // namespace

std::optional<std::vector<PlayerSeasonRow>> readPlayerSeasonRows(Connection& connection) {
    return seasonRows(
        connection, std::string(kPlayerSeasonColumns) + "order by playerid, yearofprojection", {});
}

std::optional<std::vector<PlayerSeasonRow>> readPlayerSeasonRowsOf(Connection& connection,
                                                                   int playerid) {
    return seasonRows(
        connection,
        std::string(kPlayerSeasonColumns) + "where playerid = ? order by yearofprojection",
        {SqlValue{std::int64_t{playerid}}});
}

std::optional<std::vector<PickRow>> readPickRows(Connection& connection, int templateId) {
    Recordset records;
    if (!openRecordset(records, connection, kPicksSql, {SqlValue{std::int64_t{templateId}}})) {
        return std::nullopt;
    }
    std::vector<PickRow> rows;
    rows.reserve(records.rowCount());
    for (const auto& row : records.rows()) {
        rows.push_back({static_cast<int>(toInt(row[0])), static_cast<int>(toInt(row[1])),
                        optionalText(row[2]), toInt(row[3]), toDouble(row[4])});
    }
    return rows;
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
    Recordset records;
    if (!openRecordset(records, connection,
                       "select playerid, teamid, pos, draftorder, dollars from DraftTaken where "
                       "template_id = ? and playerid = ?",
                       {SqlValue{std::int64_t{templateId}}, SqlValue{std::int64_t{playerid}}}) ||
        records.rows().empty()) {
        return std::nullopt;
    }
    const auto& row = records.rows().front();
    return PickRow{static_cast<int>(toInt(row[0])), static_cast<int>(toInt(row[1])),
                   optionalText(row[2]), toInt(row[3]), toDouble(row[4])};
}

}  // namespace quorvane
