// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/DraftModel.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

// A pick this many or more picks after the player's average draft position is a steal; this
// many or more before it, a reach.
inline constexpr double kStealReachPicks = 12.0;

// The user's team in one category of a practice's projected standings.
struct GradedCategory {
    std::string symbol;
    int place = 0;        // 1 is best; equal teams share the better place
    double points = 0.0;  // rank points in rotisserie, the category's points in a points league
};

struct PickAgainstAdp {
    int pickNumber = 0;
    int playerid = 0;
    std::string player;   // "First Last"
    double adp = 0.0;     // his average draft position as the opponents saw it
    std::string verdict;  // "steal", "reach" or empty
};

// The grade of the user's team after a practice draft: its place and total points in the
// projected standings (reserves not counted), its place in each category, and each of its picks
// against the player's average draft position (keepers left out).
struct PracticeGrade {
    std::string teamname;
    int teams = 0;
    int place = 0;
    double points = 0.0;
    std::vector<GradedCategory> categories;
    std::vector<PickAgainstAdp> picks;
};

// nullopt when the team (by index into model.teams) has no place in the standings.
std::optional<PracticeGrade> gradePractice(const DraftSettings& draft, const DraftModel& model,
                                           std::size_t team);

// "steal", "reach" or empty for a pick at `pickNumber` of a player whose ADP is `adp`.
std::string verdictOf(int pickNumber, double adp);

}  // namespace quorvane
