// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// A pick of a draft as the roster and draft exports write it, every cell as the file holds it.
struct PickExportRow {
    std::string teamname;
    std::string firstname;
    std::string lastname;
    std::string team;
    std::string pos;  // the roster slot
    std::string draftorder;
    std::string dollars;
};

enum class PickExportOrder {
    ByTeam,  // team by team, each in pick order (rosters)
    ByPick,  // in pick order (draft results)
};

// The draft's picks with the players' figures of the season; nullopt after a failed read
// (logged).
std::optional<std::vector<PickExportRow>> readPickExportRows(Connection& connection, int season,
                                                             int templateId, PickExportOrder order);

// A player of the season as the projection export writes him, every cell as the file holds it.
struct ProjectionExportRow {
    std::string draftorder;
    std::string firstname;
    std::string lastname;
    std::string pos;
    std::string team;
    std::string dollars;
    // games, minutes, points scored, fga, fgm, fta, ftm, pt3a, pt3m, oreb, dreb, assists,
    // steals, blocks, turnovers, doubledouble, tripledouble
    std::array<std::string, 17> statistics;
};

// The season's projected players (custom players and those without a position left out) by
// name; nullopt after a failed read (logged).
std::optional<std::vector<ProjectionExportRow>> readProjectionExportRows(Connection& connection,
                                                                         int season);

}  // namespace quorvane
