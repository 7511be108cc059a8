// SPDX-License-Identifier: MIT
#include "follow/FollowStore.h"

#include "app/ProgramState.h"
#include "store/Recordset.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

SqlValue id(int value) {
    return SqlValue{std::int64_t{value}};
}

int draftOf(const ProgramState& state) {
    return state.draftSettings ? state.draftSettings->template_id : 0;
}

// A room kind this program no longer knows reads as Sleeper, the only one older files hold.
RoomLink linkOf(Recordset& row) {
    return {roomKindOfKey(row.getText("room")).value_or(RoomKind::Sleeper),
            row.getText("room_draft_id"),
            row.isNull("room_season") ? 0 : static_cast<int>(row.getInt("room_season"))};
}

}  // namespace

std::optional<RoomClock> readRoomClock(ProgramState& state) {
    if (!state.draftSettings) {
        return std::nullopt;
    }
    Recordset row;
    if (!openRecordset(row, state.dbConnection,
                       "select room, room_draft_id, room_season, room_status, room_teams, "
                       "room_picks, clock_pick_no, clock_teamid, clock_turns_mine from DraftFollow "
                       "where template_id = ? and following = 1",
                       {id(draftOf(state))}) ||
        row.eof()) {
        return std::nullopt;
    }
    RoomClock clock;
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

std::optional<RoomLink> linkedRoom(ProgramState& state) {
    Recordset row;
    if (!state.draftSettings ||
        !openRecordset(row, state.dbConnection,
                       "select room, room_draft_id, room_season from DraftFollow where "
                       "template_id = ?",
                       {id(draftOf(state))}) ||
        row.eof()) {
        return std::nullopt;
    }
    return linkOf(row);
}

namespace {

// What the draft kept of another room means nothing in this one: the record of which room pick
// is which pick here would undo picks the new room never made, and another kind of room numbers
// its teams and players otherwise. The picks themselves stay. Inside the caller's transaction.
bool forgetOtherRoom(ProgramState& state, const RoomLink& room) {
    const std::optional<RoomLink> linked = linkedRoom(state);
    if (!linked || *linked == room) {
        return true;
    }
    const SqlParams draft{id(draftOf(state))};
    if (!executeSql(state.dbConnection, "delete from DraftFollowPicks where template_id = ?",
                    draft)) {
        return false;
    }
    return linked->kind == room.kind ||
           (executeSql(state.dbConnection, "delete from DraftFollowRosters where template_id = ?",
                       draft) &&
            executeSql(state.dbConnection, "delete from DraftFollowPlayers where template_id = ?",
                       draft));
}

}  // namespace

bool linkRoom(ProgramState& state, const RoomLink& room) {
    const std::optional<RoomLink> linked = linkedRoom(state);
    return (linked && *linked == room) || markFollowing(state, room, false);
}

bool markFollowing(ProgramState& state, const RoomLink& room, bool following) {
    TransactionGuard transaction(state.dbConnection);
    const SqlValue flag = id(following ? 1 : 0);
    if (!forgetOtherRoom(state, room) ||
        !executeSql(
            state.dbConnection,
            "insert into DraftFollow (template_id, room, room_draft_id, room_season, following) "
            "values (?, ?, ?, ?, ?) on conflict (template_id) do update set following = "
            "excluded.following, clock_pick_no = iif(room = excluded.room and room_draft_id = "
            "excluded.room_draft_id, clock_pick_no, null), room_draft_id = "
            "excluded.room_draft_id, room = excluded.room, room_season = excluded.room_season",
            {id(draftOf(state)), roomKindKey(room.kind), room.id, id(room.season), flag})) {
        return false;
    }
    return transaction.commit();
}

bool saveRoomClock(ProgramState& state, const RoomClock& clock) {
    return executeSql(state.dbConnection,
                      "update DraftFollow set room_status = ?, room_teams = ?, room_picks = ?, "
                      "clock_pick_no = ?, clock_teamid = ?, clock_turns_mine = ?, changedat = "
                      "datetime('now') where template_id = ?",
                      {clock.status, id(clock.teams), id(clock.roomPicks), id(clock.pickNo),
                       id(clock.teamid), id(clock.turnsMine), id(draftOf(state))});
}

std::map<int, int> defaultRosterMapping(const ProgramState& state, const RoomDraft& draft) {
    std::map<int, int> mapping;
    if (!state.draftSettings) {
        return mapping;
    }
    std::map<int, int> teamAt;
    for (const DraftTeam& team : state.draftSettings->draftTeams) {
        teamAt[team.draftposition] = team.teamid;
    }
    for (const int roomTeam : draft.listedTeams()) {
        mapping[roomTeam] = 0;
    }
    for (std::size_t at = 0; at < draft.order.size(); ++at) {
        const auto team = teamAt.find(static_cast<int>(at) + 1);
        if (draft.order[at] != 0) {
            mapping[draft.order[at]] = team == teamAt.end() ? 0 : team->second;
        }
    }
    return mapping;
}

std::optional<std::map<int, int>> savedRosterMapping(ProgramState& state) {
    Recordset rows;
    if (!openRecordset(rows, state.dbConnection,
                       "select roster_id, teamid from DraftFollowRosters where template_id = ?",
                       {id(draftOf(state))})) {
        return std::nullopt;
    }
    std::map<int, int> saved;
    for (; !rows.eof(); rows.moveNext()) {
        saved[static_cast<int>(rows.getInt("roster_id"))] = static_cast<int>(rows.getInt("teamid"));
    }
    return saved;
}

std::optional<std::map<int, int>> rosterMapping(ProgramState& state, const RoomDraft& draft) {
    const auto saved = savedRosterMapping(state);
    if (!saved) {
        return std::nullopt;
    }
    std::map<int, int> mapping = defaultRosterMapping(state, draft);
    for (const auto& [roster, teamid] : *saved) {
        mapping[roster] = teamid;
    }
    return mapping;
}

bool saveRosterMapping(ProgramState& state, const std::map<int, int>& lines) {
    TransactionGuard transaction(state.dbConnection);
    for (const auto& [roster, teamid] : lines) {
        if (!executeSql(
                state.dbConnection,
                "insert into DraftFollowRosters (template_id, roster_id, teamid) values (?, "
                "?, ?) on conflict (template_id, roster_id) do update set teamid = "
                "excluded.teamid",
                {id(draftOf(state)), id(roster), id(teamid)})) {
            return false;
        }
    }
    return transaction.commit();
}

std::optional<std::map<std::string, int>> namedPlayers(ProgramState& state) {
    Recordset rows;
    if (!openRecordset(
            rows, state.dbConnection,
            "select room_player_id, playerid from DraftFollowPlayers where template_id = ?",
            {id(draftOf(state))})) {
        return std::nullopt;
    }
    std::map<std::string, int> named;
    for (; !rows.eof(); rows.moveNext()) {
        named[rows.getText("room_player_id")] = static_cast<int>(rows.getInt("playerid"));
    }
    return named;
}

bool saveNamedPlayer(ProgramState& state, const std::string& roomPlayerId, int playerid) {
    TransactionGuard transaction(state.dbConnection);
    return executeSql(
               state.dbConnection,
               "insert into DraftFollowPlayers (template_id, room_player_id, playerid) values "
               "(?, ?, ?) on conflict (template_id, room_player_id) do update set playerid = "
               "excluded.playerid",
               {id(draftOf(state)), roomPlayerId, id(playerid)}) &&
           transaction.commit();
}

std::optional<std::vector<FollowedPick>> followedPicks(ProgramState& state) {
    Recordset rows;
    if (!openRecordset(rows, state.dbConnection,
                       "select pick_no, room_player_id, playerid, keeper, reported from "
                       "DraftFollowPicks where template_id = ? order by pick_no",
                       {id(draftOf(state))})) {
        return std::nullopt;
    }
    std::vector<FollowedPick> picks;
    for (; !rows.eof(); rows.moveNext()) {
        picks.push_back({static_cast<int>(rows.getInt("pick_no")), rows.getText("room_player_id"),
                         static_cast<int>(rows.getInt("playerid")), rows.getInt("keeper") != 0,
                         rows.getInt("reported") != 0});
    }
    return picks;
}

bool insertFollowedPick(ProgramState& state, const FollowedPick& pick) {
    return executeSql(state.dbConnection,
                      "insert or replace into DraftFollowPicks (template_id, pick_no, "
                      "room_player_id, playerid, keeper, reported) values (?, ?, ?, ?, ?, 0)",
                      {id(draftOf(state)), id(pick.pickNo), pick.roomPlayerId, id(pick.playerid),
                       id(pick.keeper ? 1 : 0)});
}

bool deleteFollowedPick(ProgramState& state, int pickNo) {
    return executeSql(state.dbConnection,
                      "delete from DraftFollowPicks where template_id = ? and pick_no = ?",
                      {id(draftOf(state)), id(pickNo)});
}

bool markPickReported(ProgramState& state, int pickNo) {
    TransactionGuard transaction(state.dbConnection);
    return executeSql(
               state.dbConnection,
               "update DraftFollowPicks set reported = 1 where template_id = ? and pick_no = ?",
               {id(draftOf(state)), id(pickNo)}) &&
           transaction.commit();
}

}  // namespace quorvane
