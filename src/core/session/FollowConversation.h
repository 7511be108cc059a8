// SPDX-License-Identifier: MIT
#pragma once

#include "online/FollowLoop.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// The follower of a room on the program's open draft as the command line and the window's
// background follow run it: the room's picks synced through syncRoomPicks, its messages shown.
FollowLoop followLoopTold(ProgramState& state, UserDialogs& dialogs, Room& room, FollowClock& clock,
                          FollowLoop::Events events);

}  // namespace quorvane
