// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class Connection;

inline constexpr std::size_t kEditStatCount = 15;
// The editor's statistic headings (also the STAT names of `edit-projection`), in grid order.
inline constexpr std::array<const char*, kEditStatCount> kEditStatHeadings = {
    "GP",   "FGA", "FGM", "FTA", "FTM", "3PTA", "3PTM", "OREB",
    "DREB", "AST", "STL", "BLK", "TO",  "DD",   "TD"};
// The DraftPlayers columns behind those headings.
inline constexpr std::array<const char*, kEditStatCount> kEditStatColumns = {
    "games", "fga",     "fgm",    "fta",    "ftm",       "pt3a",         "pt3m",        "oreb",
    "dreb",  "assists", "steals", "blocks", "turnovers", "doubledouble", "tripledouble"};

// How one statement of the projection editor went: its text names it in the log line of a
// failure.
struct EditStatement {
    bool ok = false;
    std::string statement;
};

// A line of the editor's list, every cell as the file holds it.
struct ProjectionListRow {
    std::string playerid;
    std::string name;  // "last, first"
    std::string pos;
    std::string team;
    std::array<std::string, kEditStatCount> stats;
};

// Position buttons of the list: 0 all (C, G and F), 1 C, 2 G, 3 F.
struct ProjectionListRead {
    EditStatement read;
    std::vector<ProjectionListRow> rows;
};
ProjectionListRead readProjectionList(Connection& connection, int season, int editPosIndex);

// One player's projection-season figures.
struct PlayerProjectionRow {
    std::string firstname;
    std::string lastname;
    std::string team;
    std::string pos;
    std::array<std::int64_t, kEditStatCount> stats{};
};
struct PlayerProjectionRead {
    EditStatement read;
    std::optional<PlayerProjectionRow> row;  // none when he has no projection that season
};
PlayerProjectionRead readPlayerProjection(Connection& connection, int season, int playerid);

struct EditCountRead {
    EditStatement read;
    std::int64_t count = 0;
};
EditCountRead countProjectionEdits(Connection& connection, int playerid);

// Writes run in the caller's transaction.
// The statement of deleteProjectionEdit, for the log line of a transaction that never began.
inline constexpr std::string_view kDeleteProjectionEditSql =
    "delete from ProjectionEdits where playerid = ?";
EditStatement deleteProjectionEdit(Connection& connection, int playerid);
EditStatement deleteAllProjectionEdits(Connection& connection);
EditStatement insertProjectionEdit(Connection& connection, int playerid, const std::string& pos,
                                   const std::string& team,
                                   const std::array<long long, kEditStatCount>& values,
                                   const std::string& updatedAt);
// Writes the figures over the player's row of the season.
EditStatement applyProjectionEdit(Connection& connection, int season, int playerid,
                                  const std::array<long long, kEditStatCount>& values);

}  // namespace quorvane
