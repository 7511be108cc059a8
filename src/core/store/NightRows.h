// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// A join code of a draft night: team 0 is the commissioner's.
struct NightCodeRow {
    int teamid = 0;
    std::string code;
};

// A bid as the host took it, in the order it took them.
struct NightBidRow {
    int teamid = 0;
    int amount = 0;
    std::int64_t atMs = 0;  // wall clock
};

// The lot on the block: the player, the team that put him up, the high bid and its bidder and
// when the clock runs out (wall clock, so that it outlives the host).
struct NightLotRow {
    int playerid = 0;
    int nominator = 0;
    int amount = 0;
    int teamid = 0;
    std::int64_t deadlineMs = 0;
    std::vector<NightBidRow> bids;
};

// What a host keeps of a draft night between runs.
struct NightRow {
    bool paused = false;
    // The clock's time left when it was paused.
    std::optional<std::int64_t> clockLeftMs;
    std::optional<NightLotRow> lot;
};

// nullopt after a failed read (logged); a draft never hosted reads as an empty row.
std::optional<std::vector<NightCodeRow>> readNightCodes(Connection& connection, int templateId);
std::optional<NightRow> readNight(Connection& connection, int templateId);

// Each writes inside the caller's transaction when there is one, else in one of its own; false
// after a failure (logged).
bool writeNightCodes(Connection& connection, int templateId,
                     const std::vector<NightCodeRow>& codes);
// The pause and the lot as `night` has them; a new lot's bids replace the old lot's.
bool writeNight(Connection& connection, int templateId, const NightRow& night);
// Appends a bid of the open lot and moves its high bid and clock in one step. The bid is in the
// file when this returns, so it outlives the host, but it reaches the disk only with the next
// sale or syncNight: a power cut may take the last moment's bids.
bool writeNightBid(Connection& connection, int templateId, const NightLotRow& lot,
                   const NightBidRow& bid);
// Puts what was written so far on the disk.
bool syncNight(Connection& connection);

}  // namespace quorvane
