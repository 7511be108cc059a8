// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "online/RoomData.h"
#include "store/FollowRows.h"

namespace quorvane {

struct LoadedDraft;
struct ProgramStore;

// What the room said about the clock at the last sync of the open draft, while it is followed.
struct RoomClock {
    RoomLink link;
    std::string status;
    int teams = 0;
    int roomPicks = 0;   // picks the room has made, keepers included
    int pickNo = 0;      // the first pick number the room has not made; 0 when none is left
    int teamid = 0;      // our team that makes it; 0 when no team of ours is mapped to it
    int turnsMine = -1;  // turns until the user's team picks; -1 when it has no pick left
};

// The room clock of the open draft when it is being followed; nullopt otherwise or after a
// failed read (logged).
std::optional<RoomClock> readRoomClock(ProgramStore& store, const LoadedDraft& loaded);

// The room the open draft was last linked to, followed now or not; nullopt when none (or after
// a failed read, logged).
std::optional<RoomLink> linkedRoom(ProgramStore& store, const LoadedDraft& loaded);

// Marks the open draft as followed from the room (or no longer followed). A draft linked to
// another room until now forgets which room pick was which of its picks (so none is undone for
// a room that never made it), and for another kind of room also the saved mapping and named
// players; its picks stay. False after a failed write (logged).
bool markFollowing(ProgramStore& store, const LoadedDraft& loaded, const RoomLink& room,
                   bool following);
// Links the open draft to the room, not yet followed, unless it is linked to it already: the
// first thing once the user has chosen a room, so that the choices he then saves for it stay.
bool linkRoom(ProgramStore& store, const LoadedDraft& loaded, const RoomLink& room);
// Stores what the room said about the clock. Runs inside the caller's transaction.
bool saveRoomClock(ProgramStore& store, const LoadedDraft& loaded, const RoomClock& clock);

// The room's teams and ours: by default the room's team at draft position k of its first round
// is our team at draft position k; every line the user saved for the draft replaces its default.
// room team -> teamid.
std::map<int, int> defaultRosterMapping(const LoadedDraft& loaded, const RoomDraft& draft);
std::optional<std::map<int, int>> savedRosterMapping(ProgramStore& store,
                                                     const LoadedDraft& loaded);
std::optional<std::map<int, int>> rosterMapping(ProgramStore& store, const LoadedDraft& loaded,
                                                const RoomDraft& draft);
// Saves the given lines (the others keep their saved or default team), in one transaction.
bool saveRosterMapping(ProgramStore& store, const LoadedDraft& loaded,
                       const std::map<int, int>& lines);

// The players the user chose for room players whose names did not decide: room id -> playerid.
std::optional<std::map<std::string, int>> namedPlayers(ProgramStore& store,
                                                       const LoadedDraft& loaded);
bool saveNamedPlayer(ProgramStore& store, const LoadedDraft& loaded,
                     const std::string& roomPlayerId, int playerid);

// A room pick recorded here; `reported`: undone in the room but not here, and said so.
using FollowedPick = FollowPickRow;
std::optional<std::vector<FollowedPick>> followedPicks(ProgramStore& store,
                                                       const LoadedDraft& loaded);
// Run inside the caller's transaction.
bool insertFollowedPick(ProgramStore& store, const LoadedDraft& loaded, const FollowedPick& pick);
bool deleteFollowedPick(ProgramStore& store, const LoadedDraft& loaded, int pickNo);
bool markPickReported(ProgramStore& store, const LoadedDraft& loaded, int pickNo);

}  // namespace quorvane
