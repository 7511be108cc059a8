// SPDX-License-Identifier: MIT
#include "store/StoredPlayerRows.h"

#include <utility>

#include "store/Connection.h"

namespace quorvane {

namespace {

std::optional<std::string> optionalText(const SqlValue& value) {
    return isNull(value) ? std::nullopt : std::optional<std::string>(toText(value));
}

// Spaces only, as the database's trim() takes them.
std::string trimSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string cardName(const PlayerCard& card) {
    return trimSpaces(card.firstname.value_or("") + " " + card.lastname.value_or(""));
}

std::optional<std::vector<PlayerCard>> readPlayerSeasons(Connection& connection, int playerid) {
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select playerid, yearofprojection, firstname, lastname, team, pos, notes, "
                       "flag, dollars, draftorder, PG, SG, SF, PF, C, games, minutes, ftm, fta, "
                       "fgm, fga, pt3m, pt3a, oreb, dreb, assists, steals, blocks, turnovers, "
                       "doubledouble, tripledouble from DraftPlayers where playerid = ? "
                       "order by yearofprojection desc, rowid",
                       {SqlValue{std::int64_t{playerid}}})) {
        return std::nullopt;
    }
    constexpr std::size_t kFirstPosition = 10;
    constexpr std::size_t kFirstTotal = kFirstPosition + 5;
    std::vector<PlayerCard> seasons;
    seasons.reserve(rows.rowCount());
    for (const auto& row : rows.rows()) {
        PlayerCard season;
        season.playerid = static_cast<int>(toInt(row[0]));
        season.yearofprojection = static_cast<int>(toInt(row[1]));
        season.firstname = optionalText(row[2]);
        season.lastname = optionalText(row[3]);
        season.team = toText(row[4]);
        season.pos = toText(row[5]);
        season.notes = toText(row[6]);
        season.flag = toInt(row[7]);
        season.dollars = toDouble(row[8]);
        season.draftorder = toInt(row[9]);
        for (std::size_t i = 0; i < season.positions.size(); ++i) {
            season.positions[i] = toInt(row[kFirstPosition + i]);
        }
        for (std::size_t i = 0; i < season.totals.size(); ++i) {
            season.totals[i] = toDouble(row[kFirstTotal + i]);
        }
        seasons.push_back(std::move(season));
    }
    return seasons;
}

std::optional<std::optional<PlayerCard>> readPlayerCard(Connection& connection, int season,
                                                        int playerid) {
    std::optional<std::vector<PlayerCard>> seasons = readPlayerSeasons(connection, playerid);
    if (!seasons) {
        return std::nullopt;
    }
    for (PlayerCard& card : *seasons) {
        if (card.yearofprojection == season) {
            return std::optional<PlayerCard>(std::move(card));
        }
    }
    return std::optional<PlayerCard>();
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
