// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "online/FollowStore.h"
#include "online/RoomData.h"
#include "vocabulary/Decision.h"

namespace quorvane {

struct DraftSession;
class Room;

// A room pick whose player the names did not decide: nobody fits (no candidates) or several do.
struct UnmatchedPick {
    RoomPick pick;
    std::vector<int> candidates;
};

// One pick the sync recorded or undid here.
struct SyncedPick {
    int pickNo = 0;
    int playerid = 0;
    int teamid = 0;
    std::string slot;
    double dollars = 0.0;
    bool keeper = false;
    std::string line;  // "Pick 14 · Nikola Jokic to Owner 3 (C)", for the command line and log
};

struct FollowSync {
    enum class Outcome {
        Synced,       // every pick of the room is recorded here
        NeedsPlayer,  // stopped at `unmatched`: the user names the player
        Failed,       // stopped after a failure or refusal, its message in `told`
    };
    Outcome outcome = Outcome::Synced;
    std::vector<SyncedPick> recorded;
    std::vector<SyncedPick> undone;
    std::vector<std::string> reports;  // picks undone in the room that stay here, mismatches
    std::optional<UnmatchedPick> unmatched;
    std::string problem;  // what was wrong with an answer that was refused whole
    RoomClock clock;
    // What a person following the room is to be told, in the order it happened (the front end
    // shows it; the log lines are written already).
    std::vector<Message> told;
};

// The clock as the room has it: its first open pick, the room's team that makes it through the
// mapping to our team, and the turns until the user's team picks.
RoomClock roomClockOf(const LoadedDraft& loaded, const RoomLink& room, const RoomDraft& draft,
                      const std::vector<RoomPick>& picks, const std::map<int, int>& mapping);

// Brings the open draft in line with the room's picks. First the whole answer is judged
// (checkRoomAnswer): one that cannot be followed is refused with a message naming the room and
// what was wrong, and nothing of it is recorded. Then picks undone in the room are undone here
// when they are our last one (otherwise reported once), and every pick not yet recorded is
// recorded in pick-number order, each in one transaction through the operation a typed pick
// uses (keepers through the keeper operation); the turn is set to the room's. Stops at a pick
// whose player the names do not decide, or after a failure.
FollowSync syncRoomPicks(DraftSession& session, const RoomLink& room, const RoomDraft& draft,
                         const std::vector<RoomPick>& picks);

// Reads the room's draft and picks and syncs them (syncRoomPicks). The open draft is marked as
// followed from the room. A room that cannot be read ends with Failed, the reason told.
FollowSync followDraft(DraftSession& session, Room& room);

}  // namespace quorvane
