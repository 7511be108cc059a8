// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/DraftModel.h"
#include "store/NightRows.h"

namespace quorvane {

// The lot on the block as the host holds it.
using Lot = NightLotRow;

// Why the host turns a request down; each kind has its own answer, and the message is shown to
// the owner as it stands.
struct NightRefusal {
    enum class Kind {
        Malformed,    // the request does not say what it wants
        NotYours,     // not this team's turn or right
        MovedOn,      // the room moved on: outbid, lot closed, pick taken, paused
        AgainstRule,  // over the largest bid, no open slot, player taken
        Failed,       // the database failed; nothing was stored
    };
    Kind kind = Kind::AgainstRule;
    std::string message;
    bool operator==(const NightRefusal&) const = default;
};
using NightVerdict = std::optional<NightRefusal>;

// Lengths of the clocks, in milliseconds. A pick clock of 0 runs no clock.
struct NightClocks {
    std::int64_t lotMs = 30000;
    std::int64_t lateBidMs = 10000;
    std::int64_t pickMs = 90000;
};

// What the room stands at when a request comes in.
struct NightRoom {
    const DraftModel& model;
    bool paused = false;
    const std::optional<Lot>& lot;
};

// The most `teamid` may bid, in whole dollars: its money less the minimum bid for every other
// place its roster still has; 0 for a team that is not in the draft or cannot pay the minimum.
int largestWholeBid(const DraftModel& model, int teamid);

// The team whose turn it is to nominate, teams that can buy no one passed over; nullopt once no
// team can buy.
std::optional<int> nominatingTeamId(const DraftModel& model);

// The team on the clock of a straight or snake draft; nullopt once it is complete.
std::optional<int> teamOnClock(const DraftModel& model);

NightVerdict decideNomination(const NightRoom& room, int teamid, int playerid, int amount);
NightVerdict decideBid(const NightRoom& room, int teamid, int playerid, int amount,
                       std::int64_t nowMs);
NightVerdict decidePick(const NightRoom& room, int teamid, int playerid);
// Whether the lot's high bidder may still buy it: what a host that was away asks before it
// reopens a lot, since other programs may have recorded picks meanwhile.
NightVerdict decideSale(const DraftModel& model, const Lot& lot);

// The lot a nomination opens: the nominator holds the opening bid, the whole lot clock ahead.
Lot openLot(int teamid, int playerid, int amount, std::int64_t nowMs, const NightClocks& clocks);

// Takes a bid that decideBid let through. A bid with less than the late-bid time left sets the
// clock back to that time; earlier bids leave it running.
void placeBid(Lot& lot, int teamid, int amount, std::int64_t nowMs, const NightClocks& clocks);

// Whether the lot's clock has run out: it closes at zero, not after it.
bool lotDue(const Lot& lot, std::int64_t nowMs);

// Whole seconds left on a clock, rounded up so that a screen shows 0 only when it has run out.
int secondsLeft(std::int64_t deadlineMs, std::int64_t nowMs);

}  // namespace quorvane
