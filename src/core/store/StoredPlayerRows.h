// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// One season of a player (table DraftPlayers) as his page shows it.
struct PlayerPageSeasonRow {
    int yearofprojection = 0;
    std::string firstname;
    std::string lastname;
    std::string team;
    std::string pos;
    std::string notes;
    std::int64_t flag = 0;
    double dollars = 0.0;
    std::int64_t draftorder = 0;
    // games, minutes, ftm, fta, fgm, fga, pt3m, pt3a, oreb, dreb, assists, steals, blocks,
    // turnovers, doubledouble, tripledouble
    std::array<double, 16> totals{};
};

// Every season of the player, newest first; nullopt after a failed read (logged).
std::optional<std::vector<PlayerPageSeasonRow>> readPlayerPageSeasons(Connection& connection,
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
