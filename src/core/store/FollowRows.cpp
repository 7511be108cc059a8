// SPDX-License-Identifier: MIT
#include "store/FollowRows.h"

#include "store/BoundIds.h"
#include "store/Connection.h"

namespace quorvane {

namespace {

FollowLinkRow linkOf(const Recordset& row) {
    return {row.getText("room"), row.getText("room_draft_id"),
            row.isNull("room_season") ? 0 : static_cast<int>(row.getInt("room_season"))};
}

}  // namespace

std::optional<FollowClockRow> readFollowClock(Connection& connection, int templateId) {
    Recordset row;
    if (!openRecordset(row, connection,
                       "select room, room_draft_id, room_season, room_status, room_teams, "
                       "room_picks, clock_pick_no, clock_teamid, clock_turns_mine from DraftFollow "
                       "where template_id = ? and following = 1",
                       {id(templateId)}) ||
        row.eof()) {
        return std::nullopt;
    }
    FollowClockRow clock;
    clock.link = linkOf(row);
    clock.status = row.getText("room_status");
    clock.teams = static_cast<int>(row.getInt("room_teams"));
    clock.roomPicks = static_cast<int>(row.getInt("room_picks"));
    clock.pickNo = static_cast<int>(row.getInt("clock_pick_no"));
    clock.teamid = static_cast<int>(row.getInt("clock_teamid"));
    clock.turnsMine =
        row.isNull("clock_turns_mine") ? -1 : static_cast<int>(row.getInt("clock_turns_mine"));
    return clock;
}

std::optional<FollowLinkRow> readFollowLink(Connection& connection, int templateId) {
    Recordset row;
    if (!openRecordset(row, connection,
                       "select room, room_draft_id, room_season from DraftFollow where "
                       "template_id = ?",
                       {id(templateId)}) ||
        row.eof()) {
        return std::nullopt;
    }
    return linkOf(row);
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
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select roster_id, teamid from DraftFollowRosters where template_id = ?",
                       {id(templateId)})) {
        return std::nullopt;
    }
    std::map<int, int> saved;
    for (; !rows.eof(); rows.moveNext()) {
        saved[static_cast<int>(rows.getInt("roster_id"))] = static_cast<int>(rows.getInt("teamid"));
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
    Recordset rows;
    if (!openRecordset(
            rows, connection,
            "select room_player_id, playerid from DraftFollowPlayers where template_id = ?",
            {id(templateId)})) {
        return std::nullopt;
    }
    std::map<std::string, int> named;
    for (; !rows.eof(); rows.moveNext()) {
        named[rows.getText("room_player_id")] = static_cast<int>(rows.getInt("playerid"));
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
    Recordset rows;
    if (!openRecordset(rows, connection,
                       "select pick_no, room_player_id, playerid, keeper, reported from "
                       "DraftFollowPicks where template_id = ? order by pick_no",
                       {id(templateId)})) {
        return std::nullopt;
    }
    std::vector<FollowPickRow> picks;
    for (; !rows.eof(); rows.moveNext()) {
        picks.push_back({static_cast<int>(rows.getInt("pick_no")), rows.getText("room_player_id"),
                         static_cast<int>(rows.getInt("playerid")), rows.getInt("keeper") != 0,
                         rows.getInt("reported") != 0});
    }
    return picks;
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
