// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/ProjectionEditRows.h"
#include "vocabulary/Decision.h"
#include "vocabulary/GridTable.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

class Connection;

// Grid columns before the statistics: player id, name, team, position.
inline constexpr int kFirstEditStatColumn = 4;
inline constexpr int kLargestProjectionEdit = 7000;

// Position buttons of the edit list: 0 all (C, G and F), 1 C, 2 G, 3 F.
inline constexpr std::array<const char*, 4> kEditPositionCaptions = {"ALL", "C", "G", "F"};

// The projection season's players of one position button, sorted by name: playerid, Name
// ("last, first"), Pos, Team and the fifteen statistics; a failed read comes back as
// "Err 1506: Could not load stats. …", its log line written.
Outcome<GridTable> listProjectionPlayers(Connection& connection, int projectionYear,
                                         int editPosIndex);

struct PlayerProjection {
    int playerid = 0;
    std::string firstname;
    std::string lastname;
    std::string team;
    std::string pos;
    std::array<long long, kEditStatCount> stats{};
    std::string playername;  // "first last", for the clear question
    bool hasEdit = false;
};

// One player's projection-season figures and whether he has a manual edit; a failed read or a
// player without a projection comes back with its message.
Outcome<PlayerProjection> loadPlayerProjection(Connection& connection, int projectionYear,
                                               int playerid);

// The editor's one-row grid: playerid, Name, Team, Pos, GP … TD.
GridTable playerProjectionGrid(const PlayerProjection& player);

// A player's edit: his fifteen figures in grid order. A figure typed as no number at all is NaN,
// which the rule refuses like any other figure out of range.
struct ProjectionEditRequest {
    int playerid = 0;
    std::string pos;
    std::string team;
    std::array<double, kEditStatCount> figures{};
};

// The editor's fifteen statistic texts read as the request for `player`.
ProjectionEditRequest typedProjectionEdit(const PlayerProjection& player,
                                          const std::vector<std::string>& statTexts);

// Every figure must be a whole number from 0 to 7000; the first that is not is named in
// "Projection for GP is not valid".
Decision decideProjectionEdit(const ProjectionEditRequest& request);

// Saves the figures as the player's edit and writes them into his projection-season row, all in
// one transaction, after deciding again; nothing is written on a refusal or failure.
Outcome<Done> writeProjectionEdit(Connection& connection, int projectionYear,
                                  const ProjectionEditRequest& request);

// Forgets the player's edit (or every edit). The figures already written into DraftPlayers
// stay until projections are loaded again.
Outcome<Done> clearProjectionEdits(Connection& connection, int playerid);
Outcome<Done> clearAllProjectionEdits(Connection& connection);

// The questions of the two clearing windows.
std::string clearEditsMessage(const std::string& playername);
std::string clearAllEditsMessage();

}  // namespace quorvane
