// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

struct ProgramState;

// One player a team of the open draft holds, as the board and the banner need him.
struct DraftPick {
    int playerid = 0;
    int teamid = 0;
    int draftorder = 0;  // 0 for a keeper
    double dollars = 0.0;
    std::string firstname;
    std::string lastname;
    std::string pos;   // his own position
    std::string slot;  // the roster slot he fills, upper case; empty without one
    int rank = 0;      // his value-based rank in a straight or snake draft
};

// Every player the teams of the open draft hold: keepers first, then the picks by number.
// nullopt after a failed read, which is logged.
std::optional<std::vector<DraftPick>> readDraftPicks(ProgramState& state);

// The number of picks made, keepers not counted.
int picksMade(const std::vector<DraftPick>& picks);

}  // namespace quorvane
