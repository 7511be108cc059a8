// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {

class Connection;

// The room a draft is linked to (table DraftFollow): the room's key as stored, its draft id and
// season (0 when the file has none).
struct FollowLinkRow {
    std::string room;
    std::string roomDraftId;
    int roomSeason = 0;
};

// What the room said about its clock at the last sync.
struct FollowClockRow {
    FollowLinkRow link;
    std::string status;
    int teams = 0;
    int roomPicks = 0;
    int pickNo = 0;
    int teamid = 0;
    int turnsMine = -1;  // -1 for a NULL
};

// A room pick recorded for a draft (table DraftFollowPicks).
struct FollowPickRow {
    int pickNo = 0;
    std::string roomPlayerId;
    int playerid = 0;
    bool keeper = false;
    bool reported = false;
};

// Reads return nullopt when there is no row or after a failed read was logged; writes run in
// the caller's transaction and return false after the failure was logged.
std::optional<FollowClockRow> readFollowClock(Connection& connection, int templateId);
std::optional<FollowLinkRow> readFollowLink(Connection& connection, int templateId);
// Links the draft to the room and sets whether it is followed; a clock read from another room
// is dropped.
bool writeFollowLink(Connection& connection, int templateId, const FollowLinkRow& link,
                     bool following);
// Stores the clock's fields (not its link).
bool writeFollowClock(Connection& connection, int templateId, const FollowClockRow& clock);

bool deleteFollowPicks(Connection& connection, int templateId);
// The saved team mapping and the named players of the room.
bool deleteFollowRoomChoices(Connection& connection, int templateId);

// room team -> teamid
std::optional<std::map<int, int>> readFollowRosters(Connection& connection, int templateId);
bool writeFollowRoster(Connection& connection, int templateId, int rosterId, int teamid);
// room player id -> playerid
std::optional<std::map<std::string, int>> readFollowPlayers(Connection& connection, int templateId);
bool writeFollowPlayer(Connection& connection, int templateId, const std::string& roomPlayerId,
                       int playerid);

// In pick order.
std::optional<std::vector<FollowPickRow>> readFollowPicks(Connection& connection, int templateId);
// Written as not reported, replacing a row of the same pick number.
bool writeFollowPick(Connection& connection, int templateId, const FollowPickRow& pick);
bool deleteFollowPick(Connection& connection, int templateId, int pickNo);
bool markFollowPickReported(Connection& connection, int templateId, int pickNo);

}  // namespace quorvane
