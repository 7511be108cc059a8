// SPDX-License-Identifier: MIT
#include "store/StoredPlayerRows.h"

#include "store/Connection.h"

namespace quorvane {

std::optional<std::vector<PlayerPageSeasonRow>> readPlayerPageSeasons(Connection& connection,
                                                                      int playerid) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select yearofprojection, firstname, lastname, team, pos, notes, flag, "
                       "dollars, draftorder, games, minutes, ftm, fta, fgm, fga, pt3m, pt3a, "
                       "oreb, dreb, assists, steals, blocks, turnovers, doubledouble, tripledouble "
                       "from DraftPlayers where playerid = ? order by yearofprojection desc",
                       {SqlValue{std::int64_t{playerid}}})) {
        return std::nullopt;
    }
    constexpr std::size_t kFirstTotal = 9;
    std::vector<PlayerPageSeasonRow> seasons;
    for (const auto& row : rows.rows()) {
        PlayerPageSeasonRow season;
        season.yearofprojection = static_cast<int>(toInt(row[0]));
        season.firstname = toText(row[1]);
        season.lastname = toText(row[2]);
        season.team = toText(row[3]);
        season.pos = toText(row[4]);
        season.notes = toText(row[5]);
        season.flag = toInt(row[6]);
        season.dollars = toDouble(row[7]);
        season.draftorder = toInt(row[8]);
        for (std::size_t i = 0; i < season.totals.size(); ++i) {
            season.totals[i] = toDouble(row[kFirstTotal + i]);
        }
        seasons.push_back(std::move(season));
    }
    return seasons;
}

std::optional<std::int64_t> countPlayerRows(Connection& connection) {
    Recordset count;
    if (!openRecordset(count, connection, "select count(*) as cnt from DraftPlayers")) {
        return std::nullopt;
    }
    return count.getInt("cnt");
}

std::optional<std::vector<PlayerValueListRow>> readPlayerValueList(Connection& connection,
                                                                   int season) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select playerid, firstname, lastname, dollars, draftorder"
                       " from DraftPlayers where yearofprojection = ?"
                       " order by draftorder, lastname, firstname",
                       {SqlValue{std::int64_t{season}}})) {
        return std::nullopt;
    }
    std::vector<PlayerValueListRow> players;
    for (const auto& row : rows.rows()) {
        players.push_back(
            {static_cast<int>(toInt(row[0])), toText(row[1]), toText(row[2]), toDouble(row[3]),
             isNull(row[4]) ? std::nullopt : std::optional<std::int64_t>(toInt(row[4]))});
    }
    return players;
}

}  // namespace quorvane
