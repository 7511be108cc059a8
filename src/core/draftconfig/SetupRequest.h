// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "draftconfig/SetupForm.h"
#include "vocabulary/Decision.h"

namespace quorvane {

// A team as the setup saves it: a figure typed as no number at all is NaN.
struct SetupTeamEntry {
    std::optional<int> teamid;  // empty for a team not saved yet
    std::string name;           // trailing blanks removed
    double order = 0.0;
    bool mine = false;
};

// "Save" of the setup editor: the draft's settings as numbers. Each figure typed as no number
// at all, or one its reader refuses, is NaN, which the rule refuses where the figure counts.
struct SetupRequest {
    int scoringStyle = kNoChoice;
    int headToHeadMode = kHeadToHeadEachCategory;
    double gamesPerWeek = 0.0;
    std::array<double, kCategoryBoxCount> varianceRatio{};
    int draftType = kNoChoice;
    int roundsIndex = kNoChoice;  // rounds minus 1
    double salaryCap = 0.0;
    double minBid = 0.0;
    std::array<bool, kCategoryBoxCount> categoryTicked{};
    std::array<double, kCategoryBoxCount> categoryWeight{};
    std::array<int, kRosterSlotCount> rosterSlots{};
    std::vector<SetupTeamEntry> teams;
};

// The editor's controls read as the request, each figure by the rule its box has always had.
SetupRequest typedSetup(const SetupForm& form);

// The rule's verdict and, on a refusal, the tab that holds the figure to mend.
struct SetupDecision {
    Decision decision;
    std::optional<SetupTab> tab;
};

// The checks of "Save" in their order; the first that fails refuses the save under "Invalid
// Data". The setup asks no question.
SetupDecision decideSetupSave(const SetupRequest& request);

}  // namespace quorvane
