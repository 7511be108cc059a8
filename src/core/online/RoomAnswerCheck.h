// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "online/RoomData.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

// A room's answer once judged: its picks with their prices read, or what was wrong with it.
struct CheckedAnswer {
    std::vector<RoomPick> picks;
    std::string problem;  // "pick 7 is for roster 13, which the room never listed"; empty if fit
};

// What the draft that follows a room lets a room's price be.
struct DraftMoney {
    double budget = 0.0;  // a team's, when the room gives none
    double minimumBid = 0.0;
    bool wholeDollars = true;  // the draft shows its money without cents
};
DraftMoney draftMoneyOf(const DraftSettings& draft);

// The rounds a room's draft has: its own, else those of the draft that follows it.
int roomRounds(const RoomDraft& draft, int ownRounds);

// Judges a whole answer before any pick of it is written, so that a hostile or broken room
// records nothing at all: no pick number twice, none beyond the draft's last pick (teams times
// `rounds`), no more picks than the draft holds, every pick by a team the room lists and naming
// a player, every name valid UTF-8 without control characters, and in an auction every price
// written as dollars ("57", "36.50"; no exponent), from the draft's minimum bid to what the team
// can still pay of the budget (the room's when it gives one, else the draft's), and without cents
// where the draft's money is whole dollars; keepers' prices counted in pick-number order (a
// keeper may come without one, or at $0).
CheckedAnswer checkRoomAnswer(const RoomDraft& draft, std::vector<RoomPick> picks, int rounds,
                              const DraftMoney& money);

}  // namespace quorvane
