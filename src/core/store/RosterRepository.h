// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// What the rosters, the money list and the draft log read of a draft's teams and picks (tables
// DraftTeams, DraftTaken, DraftPlayers). nullopt after a failure the connection logged.

// A player on a team's roster, with his figures of the season.
struct RosterPlayerRow {
    int playerid = 0;
    int teamid = 0;
    std::string name;  // "Last, First"; empty when either name is missing
    std::string team;  // the NBA team
    std::int64_t draftorder = 0;
    double dollars = 0.0;
    std::string slot;  // as stored; empty for none
};

// The team's players in slot order (G, PG, SG, F, SF, PF, C, UT, R, then any other text), each
// slot in the order the picks were recorded. A player without a row of the season is left out.
std::optional<std::vector<RosterPlayerRow>> readRosterPlayers(Connection& connection, int season,
                                                              int templateId, int teamid);

struct TeamCountRow {
    int teamid = 0;
    std::int64_t players = 0;
};
// Every team of the draft with how many players it holds.
std::optional<std::vector<TeamCountRow>> readTeamPlayerCounts(Connection& connection,
                                                              int templateId);

struct TeamSpendingRow {
    int teamid = 0;
    std::string teamname;
    double spent = 0.0;
    double left = 0.0;  // of the cap given
};
// Every team of the draft by draft position, with what it spent and has left of `cap`.
std::optional<std::vector<TeamSpendingRow>> readTeamSpending(Connection& connection, int templateId,
                                                             double cap);

// A pick of the draft log (keepers are not in it).
struct DraftLogRow {
    std::int64_t draftorder = 0;
    std::string name;  // "First Last"; empty when either name is missing
    std::string slot;
    std::string teamname;
    std::optional<double> dollars;  // none when the file holds none
};
// Newest pick first.
std::optional<std::vector<DraftLogRow>> readDraftLog(Connection& connection, int season,
                                                     int templateId);

}  // namespace quorvane
