// SPDX-License-Identifier: MIT
#include "store/StoredPlayerRows.h"

#include <utility>

#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {

namespace {

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
    constexpr int kFirstPosition = 10;
    constexpr int kFirstTotal = kFirstPosition + 5;
    return readRows<PlayerCard>(
        connection,
        "select playerid, yearofprojection, firstname, lastname, team, pos, notes, "
        "flag, dollars, draftorder, PG, SG, SF, PF, C, games, minutes, ftm, fta, "
        "fgm, fga, pt3m, pt3a, oreb, dreb, assists, steals, blocks, turnovers, "
        "doubledouble, tripledouble from DraftPlayers where playerid = ? "
        "order by yearofprojection desc, rowid",
        {SqlValue{std::int64_t{playerid}}}, [](const StatementRow& row) {
            PlayerCard season;
            season.playerid = row.as<int>(0);
            season.yearofprojection = row.as<int>(1);
            season.firstname = row.as<std::optional<std::string>>(2);
            season.lastname = row.as<std::optional<std::string>>(3);
            season.team = row.text(4);
            season.pos = row.text(5);
            season.notes = row.text(6);
            season.flag = row.integer(7);
            season.dollars = row.real(8);
            season.draftorder = row.integer(9);
            for (std::size_t i = 0; i < season.positions.size(); ++i) {
                season.positions[i] = row.integer(kFirstPosition + static_cast<int>(i));
            }
            for (std::size_t i = 0; i < season.totals.size(); ++i) {
                season.totals[i] = row.real(kFirstTotal + static_cast<int>(i));
            }
            return season;
        });
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
    return readScalar<std::int64_t>(connection, "select count(*) as cnt from DraftPlayers");
}

std::optional<std::vector<PlayerValueListRow>> readPlayerValueList(Connection& connection,
                                                                   int season) {
    return readRows<PlayerValueListRow>(
        connection,
        "select playerid, firstname, lastname, dollars, draftorder"
        " from DraftPlayers where yearofprojection = ?"
        " order by draftorder, lastname, firstname",
        {SqlValue{std::int64_t{season}}}, [](const StatementRow& row) {
            return PlayerValueListRow{row.as<int>(0), row.text(1), row.text(2), row.real(3),
                                      row.as<std::optional<std::int64_t>>(4)};
        });
}

}  // namespace quorvane
