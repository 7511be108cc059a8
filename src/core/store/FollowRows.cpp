// SPDX-License-Identifier: MIT
#include "store/FollowRows.h"

#include "store/BoundIds.h"
#include "store/Connection.h"
#include "store/RowReader.h"

namespace quorvane {

namespace {

// The room, its draft and season lead each of these selects.
FollowLinkRow linkOf(const StatementRow& row) {
    return {row.text(0), row.text(1), row.as<int>(2)};
}

template <class Row>
std::optional<Row> firstOf(std::optional<std::vector<Row>> rows) {
    if (!rows || rows->empty()) {
        return std::nullopt;
    }
    return std::move(rows->front());
}

}  // namespace

std::optional<FollowClockRow> readFollowClock(Connection& connection, int templateId) {
    return firstOf(readRows<FollowClockRow>(
        connection,
        "select room, room_draft_id, room_season, room_status, room_teams, "
        "room_picks, clock_pick_no, clock_teamid, clock_turns_mine from DraftFollow "
        "where template_id = ? and following = 1",
        {id(templateId)}, [](const StatementRow& row) {
            FollowClockRow clock;
            clock.link = linkOf(row);
            clock.status = row.text(3);
            clock.teams = row.as<int>(4);
            clock.roomPicks = row.as<int>(5);
            clock.pickNo = row.as<int>(6);
            clock.teamid = row.as<int>(7);
            clock.turnsMine = row.isNull(8) ? -1 : row.as<int>(8);
            return clock;
        }));
}

std::optional<FollowLinkRow> readFollowLink(Connection& connection, int templateId) {
    return firstOf(readRows<FollowLinkRow>(
        connection,
        "select room, room_draft_id, room_season from DraftFollow where template_id = ?",
        {id(templateId)}, linkOf));
}

bool writeFollowLink(Connection& connection, int templateId, const FollowLinkRow& link,
                     bool following) {
    return executeSql(
        connection,
        "insert into DraftFollow (template_id, room, room_draft_id, room_season, following) "
        "values (?, ?, ?, ?, ?) on conflict (template_id) do update set following = "
        "excluded.following, clock_pick_no = iif(room = excluded.room and room_draft_id = "
        "excluded.room_draft_id, clock_pick_no, null), room_draft_id = "
        "excluded.room_draft_id, room = excluded.room, room_season = excluded.room_season",
        {id(templateId), link.room, link.roomDraftId, id(link.roomSeason), id(following ? 1 : 0)});
}

bool writeFollowClock(Connection& connection, int templateId, const FollowClockRow& clock) {
    return executeSql(connection,
                      "update DraftFollow set room_status = ?, room_teams = ?, room_picks = ?, "
                      "clock_pick_no = ?, clock_teamid = ?, clock_turns_mine = ?, changedat = "
                      "datetime('now') where template_id = ?",
                      {clock.status, id(clock.teams), id(clock.roomPicks), id(clock.pickNo),
                       id(clock.teamid), id(clock.turnsMine), id(templateId)});
}

bool deleteFollowPicks(Connection& connection, int templateId) {
    return executeSql(connection, "delete from DraftFollowPicks where template_id = ?",
                      {id(templateId)});
}

bool deleteFollowRoomChoices(Connection& connection, int templateId) {
    return executeSql(connection, "delete from DraftFollowRosters where template_id = ?",
                      {id(templateId)}) &&
           executeSql(connection, "delete from DraftFollowPlayers where template_id = ?",
                      {id(templateId)});
}

std::optional<std::map<int, int>> readFollowRosters(Connection& connection, int templateId) {
    const auto rows = readRows<std::pair<int, int>>(
        connection, "select roster_id, teamid from DraftFollowRosters where template_id = ?",
        {id(templateId)},
        [](const StatementRow& row) { return std::pair(row.as<int>(0), row.as<int>(1)); });
    if (!rows) {
        return std::nullopt;
    }
    std::map<int, int> saved;
    for (const auto& [rosterId, teamid] : *rows) {
        saved[rosterId] = teamid;
    }
    return saved;
}

bool writeFollowRoster(Connection& connection, int templateId, int rosterId, int teamid) {
    return executeSql(connection,
                      "insert into DraftFollowRosters (template_id, roster_id, teamid) values (?, "
                      "?, ?) on conflict (template_id, roster_id) do update set teamid = "
                      "excluded.teamid",
                      {id(templateId), id(rosterId), id(teamid)});
}

std::optional<std::map<std::string, int>> readFollowPlayers(Connection& connection,
                                                            int templateId) {
    auto rows = readRows<std::pair<std::string, int>>(
        connection, "select room_player_id, playerid from DraftFollowPlayers where template_id = ?",
        {id(templateId)},
        [](const StatementRow& row) { return std::pair(row.text(0), row.as<int>(1)); });
    if (!rows) {
        return std::nullopt;
    }
    std::map<std::string, int> named;
    for (auto& [roomPlayerId, playerid] : *rows) {
        named[std::move(roomPlayerId)] = playerid;
    }
    return named;
}

bool writeFollowPlayer(Connection& connection, int templateId, const std::string& roomPlayerId,
                       int playerid) {
    return executeSql(connection,
                      "insert into DraftFollowPlayers (template_id, room_player_id, playerid) "
                      "values (?, ?, ?) on conflict (template_id, room_player_id) do update set "
                      "playerid = excluded.playerid",
                      {id(templateId), roomPlayerId, id(playerid)});
}

std::optional<std::vector<FollowPickRow>> readFollowPicks(Connection& connection, int templateId) {
    return readRows<FollowPickRow>(
        connection,
        "select pick_no, room_player_id, playerid, keeper, reported from "
        "DraftFollowPicks where template_id = ? order by pick_no",
        {id(templateId)}, [](const StatementRow& row) {
            return FollowPickRow{row.as<int>(0), row.text(1), row.as<int>(2), row.as<bool>(3),
                                 row.as<bool>(4)};
        });
}

bool writeFollowPick(Connection& connection, int templateId, const FollowPickRow& pick) {
    return executeSql(connection,
                      "insert or replace into DraftFollowPicks (template_id, pick_no, "
                      "room_player_id, playerid, keeper, reported) values (?, ?, ?, ?, ?, 0)",
                      {id(templateId), id(pick.pickNo), pick.roomPlayerId, id(pick.playerid),
                       id(pick.keeper ? 1 : 0)});
}

bool deleteFollowPick(Connection& connection, int templateId, int pickNo) {
    return executeSql(connection,
                      "delete from DraftFollowPicks where template_id = ? and pick_no = ?",
                      {id(templateId), id(pickNo)});
}

bool markFollowPickReported(Connection& connection, int templateId, int pickNo) {
    return executeSql(
        connection,
        "update DraftFollowPicks set reported = 1 where template_id = ? and pick_no = ?",
        {id(templateId), id(pickNo)});
}

}  // namespace quorvane
