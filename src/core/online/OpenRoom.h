// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "online/Room.h"
#include "online/SleeperRoom.h"
#include "platform/UrlTransfer.h"

namespace quorvane {

// What a room needs besides its link: the data folder (player lists, the cookies kept with the
// draft) and the draft, and the time a Sleeper query is made of.
struct RoomAccess {
    std::string dataFolder;
    int templateId = 0;
    RoomMilliseconds now;
};

// The oldest and newest season a room is asked about.
inline constexpr int kFirstRoomSeason = 1990;
inline constexpr int kLastRoomSeason = 2100;

// What is wrong with the link before any room is asked ("--espn takes the league id (digits)");
// empty when it is fit.
std::string roomLinkProblem(const RoomLink& link);

// The room a link names, at its address (the environment's when set); an ESPN league is read
// with the cookies kept with the draft, if any.
std::unique_ptr<Room> openRoom(UrlTransfer& transfer, const RoomLink& link,
                               const RoomAccess& access);

}  // namespace quorvane
