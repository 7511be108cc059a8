// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "store/TurnHistoryRepository.h"

namespace quorvane {

// A player recorded on a team: in an auction a sale at `price`; elsewhere the pick of the turn
// on the clock (the price is then ignored).
struct PickRequest {
    int playerid = 0;
    int teamid = 0;
    std::string slot;  // the roster slot as the caller names it ("PG", "UT", "R")
    double price = 0.0;
    // The turn the caller means the pick for, when it chose the player for that turn (a bot):
    // the pick is refused once another turn is on the clock. None: the turn on the clock.
    std::optional<int> turn;
    // The turn a person saw on the clock when he chose: the pick then takes whichever turn is on
    // the clock, but one seen within the draft is refused once the draft filled up meanwhile
    // (a pick after the last turn is one the person means to add beyond it).
    std::optional<int> seenTurn;
};

// The turn on the clock passed over.
struct SkipRequest {
    // As for a pick: the turn the caller means to skip; none for the turn on the clock.
    std::optional<int> turn;
};

// The last standing entry of the turn history taken back, whatever it was.
struct UndoRequest {};

struct PickRecorded {
    int pickNumber = 0;  // the turn the pick took (an auction's sale number)
    int playerid = 0;
    int teamid = 0;
    std::string slot;
    double price = 0.0;
    // Another program had written to the file since the model was read: the writer read the
    // picks and settings again, but whatever else the model holds may be out of date.
    bool outsideChange = false;
};

// What a skip or an undo changed in the turn history.
struct TurnChanged {
    std::optional<HistoryEntry> entry;  // the skip made, or the entry taken back; none: nothing
    bool outsideChange = false;         // as for PickRecorded
};

}  // namespace quorvane
