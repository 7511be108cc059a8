// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "store/ProjectionEditRows.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct ProgramState;
struct ProgramStore;
class UserDialogs;

// Grid columns before the statistics: player id, name, team, position.
inline constexpr int kFirstEditStatColumn = 4;
inline constexpr int kLargestProjectionEdit = 7000;

// Position buttons of the edit list: 0 all (C, G and F), 1 C, 2 G, 3 F.
inline constexpr std::array<const char*, 4> kEditPositionCaptions = {"ALL", "C", "G", "F"};

// The projection season's players of one position button, sorted by name: playerid, Name
// ("last, first"), Pos, Team and the fifteen statistics. Nullopt after "Err 1506: Could not
// load stats. …" was shown and logged.
std::optional<GridTable> listProjectionPlayers(ProgramState& state, UserDialogs& dialogs,
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

// One player's projection-season figures and whether he has a manual edit. Nullopt after the
// failure (or a player without a projection) was reported.
std::optional<PlayerProjection> loadPlayerProjection(ProgramState& state, UserDialogs& dialogs,
                                                     int playerid);

// The editor's one-row grid: playerid, Name, Team, Pos, GP … TD.
GridTable playerProjectionGrid(const PlayerProjection& player);

// Saves the fifteen statistic texts (grid order) as the player's edit and writes them into his
// projection-season row, all in one transaction. Every value must be a whole number from 0 to
// 7000; the first that is not is named in "Projection for GP is not valid" and nothing is
// written.
bool saveProjectionEdit(ProgramState& state, UserDialogs& dialogs, const PlayerProjection& player,
                        const std::vector<std::string>& statTexts);

// Forgets the player's edit (or every edit). The figures already written into DraftPlayers
// stay until projections are loaded again.
bool clearProjectionEdits(ProgramStore& state, UserDialogs& dialogs, int playerid);
bool clearAllProjectionEdits(ProgramStore& state, UserDialogs& dialogs);

// The questions of the two clearing windows.
std::string clearEditsMessage(const std::string& playername);
std::string clearAllEditsMessage();

}  // namespace quorvane
