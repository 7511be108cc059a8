// SPDX-License-Identifier: MIT
#include "follow/FollowStore.h"

#include "app/ProgramState.h"
#include "store/FollowRows.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

int draftOf(const ProgramState& state) {
    return state.draftSettings() ? state.draftSettings()->template_id : 0;
}

// A room kind this program no longer knows reads as Sleeper, the only one older files hold.
RoomLink linkOf(const FollowLinkRow& row) {
    return {roomKindOfKey(row.room).value_or(RoomKind::Sleeper), row.roomDraftId, row.roomSeason};
}

}  // namespace

std::optional<RoomClock> readRoomClock(ProgramState& state) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const auto row = readFollowClock(state.dbConnection, draftOf(state));
    if (!row) {
        return std::nullopt;
    }
    return RoomClock{linkOf(row->link), row->status, row->teams,    row->roomPicks,
                     row->pickNo,       row->teamid, row->turnsMine};
}

std::optional<RoomLink> linkedRoom(ProgramState& state) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const auto row = readFollowLink(state.dbConnection, draftOf(state));
    return row ? std::optional<RoomLink>(linkOf(*row)) : std::nullopt;
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
    if (!deleteFollowPicks(state.dbConnection, draftOf(state))) {
        return false;
    }
    return linked->kind == room.kind || deleteFollowRoomChoices(state.dbConnection, draftOf(state));
}

}  // namespace

bool linkRoom(ProgramState& state, const RoomLink& room) {
    const std::optional<RoomLink> linked = linkedRoom(state);
    return (linked && *linked == room) || markFollowing(state, room, false);
}

bool markFollowing(ProgramState& state, const RoomLink& room, bool following) {
    TransactionGuard transaction(state.dbConnection);
    if (!forgetOtherRoom(state, room) ||
        !writeFollowLink(state.dbConnection, draftOf(state),
                         FollowLinkRow{std::string(roomKindKey(room.kind)), room.id, room.season},
                         following)) {
        return false;
    }
    return transaction.commit();
}

bool saveRoomClock(ProgramState& state, const RoomClock& clock) {
    return writeFollowClock(state.dbConnection, draftOf(state),
                            FollowClockRow{{},
                                           clock.status,
                                           clock.teams,
                                           clock.roomPicks,
                                           clock.pickNo,
                                           clock.teamid,
                                           clock.turnsMine});
}

std::map<int, int> defaultRosterMapping(const ProgramState& state, const RoomDraft& draft) {
    std::map<int, int> mapping;
    if (!state.draftSettings()) {
        return mapping;
    }
    std::map<int, int> teamAt;
    for (const DraftTeam& team : state.draftSettings()->draftTeams) {
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
    return readFollowRosters(state.dbConnection, draftOf(state));
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
        if (!writeFollowRoster(state.dbConnection, draftOf(state), roster, teamid)) {
            return false;
        }
    }
    return transaction.commit();
}

std::optional<std::map<std::string, int>> namedPlayers(ProgramState& state) {
    return readFollowPlayers(state.dbConnection, draftOf(state));
}

bool saveNamedPlayer(ProgramState& state, const std::string& roomPlayerId, int playerid) {
    TransactionGuard transaction(state.dbConnection);
    return writeFollowPlayer(state.dbConnection, draftOf(state), roomPlayerId, playerid) &&
           transaction.commit();
}

std::optional<std::vector<FollowedPick>> followedPicks(ProgramState& state) {
    return readFollowPicks(state.dbConnection, draftOf(state));
}

bool insertFollowedPick(ProgramState& state, const FollowedPick& pick) {
    return writeFollowPick(state.dbConnection, draftOf(state), pick);
}

bool deleteFollowedPick(ProgramState& state, int pickNo) {
    return deleteFollowPick(state.dbConnection, draftOf(state), pickNo);
}

bool markPickReported(ProgramState& state, int pickNo) {
    TransactionGuard transaction(state.dbConnection);
    return markFollowPickReported(state.dbConnection, draftOf(state), pickNo) &&
           transaction.commit();
}

}  // namespace quorvane
