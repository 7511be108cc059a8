// SPDX-License-Identifier: MIT
#pragma once

#include "online/FollowDraft.h"
#include "online/FollowLoop.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The room's picks synced (syncRoomPicks, followDraft) with what the sync tells shown, in order.
FollowSync syncRoomPicks(ProgramState& state, UserDialogs& dialogs, const RoomLink& room,
                         const RoomDraft& draft, const std::vector<RoomPick>& picks);
FollowSync followDraft(ProgramState& state, UserDialogs& dialogs, Room& room);

// The follower of a room on the program's open draft as the command line and the window's
// background follow run it: the room's picks synced through syncRoomPicks, its messages shown.
FollowLoop followLoopTold(ProgramState& state, UserDialogs& dialogs, Room& room, FollowClock& clock,
                          FollowLoop::Events events);

}  // namespace quorvane
