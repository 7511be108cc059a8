// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/StoredPlayerRows.h"

namespace quorvane {

class Connection;

// The flag (0-3) the user gave a player, on every season's row; false after a logged failure.
bool writePlayerFlag(Connection& connection, int playerid, int flag);
// The user's note on the player's row of the season; false after a logged failure.
bool writePlayerNote(Connection& connection, int season, int playerid, const std::string& note);

// The NBA teams the players belong to, sorted, blanks left out.
std::optional<std::vector<std::string>> readNbaTeams(Connection& connection);

// Rows of any season with exactly this first and last name.
std::optional<std::int64_t> countPlayersNamed(Connection& connection, const std::string& firstname,
                                              const std::string& lastname);

// A player the user adds (table DraftAdded, and a projection row of each season given).
struct CustomPlayerRow {
    int playerid = 0;
    std::string firstname;
    std::string lastname;
    std::string pos;  // as the projection row stores it
    std::string team;
    std::string listedPos;  // as the user chose it
    std::string dateAdded;
    // C, PG, SG, PF, SF eligibility flags.
    std::int64_t c = 0;
    std::int64_t pg = 0;
    std::int64_t sg = 0;
    std::int64_t pf = 0;
    std::int64_t sf = 0;
};

// A player of the season no team of the draft holds, as the pick lists show him. Missing names,
// team and position read as empty.
struct FreePlayerRow {
    int playerid = 0;
    std::optional<std::string> firstname;  // none for a NULL
    std::optional<std::string> lastname;   // none for a NULL
    std::string team;
    std::string pos;
    double dollars = 0.0;
    int rank = 0;
};
// In the file's own order (the quick-pick list ranks them itself).
std::optional<std::vector<FreePlayerRow>> readFreePlayers(Connection& connection, int season,
                                                          int templateId);
// By last name, then first name.
std::optional<std::vector<FreePlayerRow>> readFreePlayersByName(Connection& connection, int season,
                                                                int templateId);

// The highest playerid of an added player; 0 before the first.
std::optional<int> readHighestCustomPlayerid(Connection& connection);
// Writes the player and his projection rows of the seasons; the caller holds the transaction.
bool insertCustomPlayer(Connection& connection, const CustomPlayerRow& row,
                        const std::vector<int>& seasons);

}  // namespace quorvane
