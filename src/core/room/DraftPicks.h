// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

struct DraftModel;
struct DraftSession;

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

// Every player the teams of the draft hold: keepers first, then the picks by number, picks of
// one number in the order recorded. A player without a row of the projection season keeps his
// pick with empty names and position and rank 0.
std::vector<DraftPick> draftPicksOf(const DraftModel& model);

// The same of the open draft, from the model the program holds. nullopt after a failed read,
// which is logged.
std::optional<std::vector<DraftPick>> readDraftPicks(DraftSession& session);

// The model the program holds of the open draft, for the lists the room shows from it; nullptr
// without a draft or after a failed read, which is logged and shown to nobody (each list
// reports its own failure as it always has).
const DraftModel* heldModelForLists(DraftSession& session);

// The number of picks made, keepers not counted.
int picksMade(const std::vector<DraftPick>& picks);

}  // namespace quorvane
