// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// The picks and keepers of a draft (table DraftTaken) as the room's operations ask about them.
// Every read returns nullopt after a failure the connection logged with its statement; every
// writer runs inside the caller's transaction and returns false after a logged failure.

// A slot (upper case) and how many players the team holds in it.
struct SlotUse {
    std::string slot;
    std::int64_t players = 0;
};
std::optional<std::vector<SlotUse>> readSlotUseWithout(Connection& connection, int templateId,
                                                       int teamid, int playerid);

// What a team has spent over all its rows; teamids belong to one draft.
std::optional<double> readTeamMoneySpent(Connection& connection, int teamid);

// The team that holds the player in the draft; 0 when none does.
std::optional<int> readTeamOfPlayer(Connection& connection, int templateId, int playerid);

// A team's player as the move window shows him: his row of the season when he has one, else of
// any other season.
struct HeldPlayerRow {
    std::string slot;  // empty for a NULL
    std::string firstname;
    std::string lastname;
    std::string price;  // what was paid, as the file holds it
};
// An empty optional inside when the team does not hold the player.
std::optional<std::optional<HeldPlayerRow>> readHeldPlayer(Connection& connection, int templateId,
                                                           int teamid, int playerid, int season);

// A keeper of a team with his value of the season.
struct KeeperRow {
    int playerid = 0;
    std::optional<std::string> firstname;  // none for a NULL
    std::optional<std::string> lastname;   // none for a NULL
    std::string pos;                       // his own position
    std::string priceText;                 // what he costs, as the file holds it
    std::optional<double> price;
    std::optional<double> value;  // of the last valuation
};
// By last name, then first name.
std::optional<std::vector<KeeperRow>> readKeeperRows(Connection& connection, int season,
                                                     int templateId, int teamid);

// A pick as the room stores it: keepers carry pick number 0.
struct TakenRow {
    int playerid = 0;
    int teamid = 0;
    std::string pos;  // the roster slot
    std::int64_t draftorder = 0;
    double dollars = 0.0;
};
bool insertTaken(Connection& connection, int templateId, const TakenRow& row);

// Moves the player's row to another team and slot; with a price also sets what was paid.
bool moveTaken(Connection& connection, int templateId, int playerid, int teamid,
               const std::string& slot, std::optional<double> price);

// Each delete reports how many rows it removed; nullopt after a logged failure.
std::optional<int> deletePlayerTaken(Connection& connection, int templateId, int playerid);
std::optional<int> deleteKeeperTaken(Connection& connection, int templateId, int playerid);
std::optional<int> deleteTeamPlayerTaken(Connection& connection, int templateId, int teamid,
                                         int playerid);

}  // namespace quorvane
