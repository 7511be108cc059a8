// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "valuation/ProjectedStandings.h"
#include "vocabulary/GridTable.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The teamid of the last team of the open draft marked as the user's own; 0 when none is.
int myTeamId(const ProgramState& state);

inline constexpr Rgb kAboveTargetColour{0, 128, 0};
inline constexpr Rgb kBelowTargetColour{192, 0, 0};

// One row of the targets panel as it is shown.
struct TargetRow {
    int categoryid = 0;
    std::string symbol;
    std::string target;
    std::string actual;
    std::string difference;
    // Green above the target, dark red below it; nothing when they are equal.
    std::optional<Rgb> differenceColour;
    // Head-to-head leagues: his chance to win the category in a week against the league's
    // average team ("63.6%"); empty otherwise.
    std::string chance;
};

// The panel of the open draft: per category its target, the user's team's figure in the
// projected standings of the rosters as they are (reserves as state.includeReserves says) and
// the difference (and in a head-to-head league his chance against the average team). Rebuilds
// the loaded draft's category targets (the panel's rows). On a failed read shows the database
// message, logs " 60050 error: could not get categories" and gives nullopt.
std::optional<std::vector<TargetRow>> showCategoryTargets(ProgramState& state,
                                                          UserDialogs& dialogs);
// The same with the projected standings the caller already holds (readStandings of the draft
// as it is; nullopt leaves every actual figure at 0).
std::optional<std::vector<TargetRow>> showCategoryTargets(
    ProgramState& state, UserDialogs& dialogs,
    const std::optional<std::vector<StandingsEntry>>& standings);

// Saves one typed target per panel row (state.categoryTargets(), in order). A text that is not a
// number refuses the whole save ("Invalid Target", naming the category). Otherwise replaces the
// draft's targets in one transaction and gives the new panel.
std::optional<std::vector<TargetRow>> saveCategoryTargets(
    ProgramState& state, UserDialogs& dialogs, const std::vector<std::string>& targetTexts);

}  // namespace quorvane
