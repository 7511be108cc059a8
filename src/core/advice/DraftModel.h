// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "valuation/CategoryCatalogue.h"

namespace quorvane {

// A player's projection columns, indexed by StatColumn.
using StatLine = std::array<double, kStatColumnCount>;

inline double& statOf(StatLine& line, StatColumn column) {
    return line[static_cast<std::size_t>(column)];
}
inline double statOf(const StatLine& line, StatColumn column) {
    return line[static_cast<std::size_t>(column)];
}

// The five positions a projection lists, as bits of ModelPlayer::positions.
inline constexpr std::uint8_t kPositionPG = 1;
inline constexpr std::uint8_t kPositionSG = 2;
inline constexpr std::uint8_t kPositionSF = 4;
inline constexpr std::uint8_t kPositionPF = 8;
inline constexpr std::uint8_t kPositionC = 16;

struct ModelPlayer {
    int playerid = 0;
    std::string firstname;
    std::string lastname;
    std::string pos;
    std::uint8_t positions = 0;  // of the projection season
    StatLine stats{};
    double dollars = 0.0;  // of the last valuation
    int rank = 0;          // of the last valuation; 0 when it gave him none
    int teamid = 0;        // 0 while he is available
    std::string slot;      // his roster slot on that team
    int pickNumber = 0;    // 0 for a keeper
    double price = 0.0;

    bool available() const { return teamid == 0; }
};

struct ModelTeam {
    int teamid = 0;
    std::string teamname;
    int draftposition = 0;
    bool mine = false;
    bool onClock = false;
};

struct ModelCategory {
    const CategoryDefinition* definition = nullptr;
    const CategoryFormula* formula = nullptr;
    double weight = 0.0;
    bool punted = false;
};

// One draft held in memory: the players of the projection season with the columns every
// category needs, the rosters, slots, money and turn. Everything the advice computes reads only
// this, so a what-if question is a changed copy of it.
struct DraftModel {
    int template_id = 0;
    int drafttype = 0;
    int scoringstyle = 0;
    double cap = 0.0;  // per team
    double minbid = 0.0;
    int rounds = 0;
    std::string direction;                  // of the snake, "U" or "D"
    int startingSlots = 0;                  // per team: every slot kind but reserves
    std::vector<ModelCategory> categories;  // the draft's, in its order
    std::vector<ModelPlayer> players;       // by playerid
    std::vector<ModelTeam> teams;           // by draft position

    int teamCount() const { return static_cast<int>(teams.size()); }
    bool auction() const;
    bool pointsLeague() const;
    // nullptr when absent.
    const ModelPlayer* findPlayer(int playerid) const;
    ModelPlayer* findPlayer(int playerid);
    const ModelTeam* findTeam(int teamid) const;
    // The user's own team; nullptr when no team is marked his.
    const ModelTeam* myTeam() const;
};

// Roster slots that start: every kind but the reserves.
bool isStartingSlot(const std::string& slot);

// Marks the draft's categories whose ids are listed as punted, and only those.
void setPunts(DraftModel& model, const std::vector<int>& categoryids);
std::vector<int> puntedCategories(const DraftModel& model);

// What a recorded pick changes in memory, so that the advice after a pick needs no new load.
void applyPick(DraftModel& model, int playerid, int teamid, const std::string& slot, int pickNumber,
               double price);

}  // namespace quorvane
