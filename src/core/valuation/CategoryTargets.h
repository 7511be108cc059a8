// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "valuation/ProjectedStandings.h"
#include "vocabulary/GridTable.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;

// The teamid of the last team of the open draft marked as the user's own; 0 when none is.
int myTeamId(const DraftSession& session);

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

// The rows of the targets panel. In a head-to-head league whose chances could not be read the
// rows show none, and the read's failure is told all the same.
struct TargetPanel {
    std::vector<TargetRow> rows;
    std::optional<WriteFailure> unreadChances;
};

// The panel of the open draft: per category its target, the user's team's figure in the
// projected standings of the rosters as they are (reserves counted with includeReserves) and
// the difference (and in a head-to-head league his chance against the average team). Rebuilds
// the loaded draft's category targets (the panel's rows). A failed read comes back with the
// database message, " 60050 error: could not get categories" logged.
Outcome<TargetPanel> showCategoryTargets(DraftSession& session, bool includeReserves);
// The same with the projected standings the caller already holds (readStandings of the draft
// as it is; nullopt leaves every actual figure at 0).
Outcome<TargetPanel> showCategoryTargets(
    DraftSession& session, bool includeReserves,
    const std::optional<std::vector<StandingsEntry>>& standings);

// Saves one typed target per panel row (session.categoryTargets(), in order). A text that is not
// a number refuses the whole save ("Invalid Target", naming the category). Otherwise replaces the
// draft's targets in one transaction and gives the new panel.
Outcome<TargetPanel> saveCategoryTargets(DraftSession& session, bool includeReserves,
                                         const std::vector<std::string>& targetTexts);

}  // namespace quorvane
