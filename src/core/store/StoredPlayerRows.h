// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// One season of a player (table DraftPlayers): what his page shows and what the room's windows
// take of him. The names keep a NULL apart from an empty text: some captions join them only
// when both are there; every other missing text reads as empty.
struct PlayerCard {
    int playerid = 0;
    int yearofprojection = 0;
    std::optional<std::string> firstname;
    std::optional<std::string> lastname;
    std::string team;
    std::string pos;
    std::string notes;
    std::int64_t flag = 0;
    double dollars = 0.0;
    std::int64_t draftorder = 0;
    // PG, SG, SF, PF, C as stored.
    std::array<std::int64_t, 5> positions{};
    // games, minutes, ftm, fta, fgm, fga, pt3m, pt3a, oreb, dreb, assists, steals, blocks,
    // turnovers, doubledouble, tripledouble
    std::array<double, 16> totals{};
};

// "First Last" with a missing part left out, as the pick window titles a player.
std::string cardName(const PlayerCard& card);

// Every season of the player, newest first (rows of one season in the file's order); nullopt
// after a failed read (logged).
std::optional<std::vector<PlayerCard>> readPlayerSeasons(Connection& connection, int playerid);

// The player's row of the season (the first the file holds); an empty optional inside when
// there is none. The outer nullopt reports a failure the connection logged.
std::optional<std::optional<PlayerCard>> readPlayerCard(Connection& connection, int season,
                                                        int playerid);

// Rows of DraftPlayers over every season; nullopt after a failed read (logged).
std::optional<std::int64_t> countPlayerRows(Connection& connection);

// A player's value and rank of a season, as the valuation left them.
struct PlayerValueListRow {
    int playerid = 0;
    std::string firstname;
    std::string lastname;
    double dollars = 0.0;
    std::optional<std::int64_t> draftorder;  // empty for a NULL
};

// The season's players by rank, then name; nullopt after a failed read (logged).
std::optional<std::vector<PlayerValueListRow>> readPlayerValueList(Connection& connection,
                                                                   int season);

}  // namespace quorvane
