// SPDX-License-Identifier: MIT
#include "online/FollowStore.h"

#include "model/LoadedDraft.h"
#include "store/FollowRows.h"
#include "store/ProgramStore.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

int draftOf(const LoadedDraft& loaded) {
    return loaded.draftSettings ? loaded.draftSettings->template_id : 0;
}

// A room kind this program no longer knows reads as Sleeper, the only one older files hold.
RoomLink linkOf(const FollowLinkRow& row) {
    return {roomKindOfKey(row.room).value_or(RoomKind::Sleeper), row.roomDraftId, row.roomSeason};
}

}  // namespace

std::optional<RoomClock> readRoomClock(ProgramStore& store, const LoadedDraft& loaded) {
    if (!loaded.draftSettings) {
        return std::nullopt;
    }
    const auto row = readFollowClock(store.dbConnection, draftOf(loaded));
    if (!row) {
        return std::nullopt;
    }
    return RoomClock{linkOf(row->link), row->status, row->teams,    row->roomPicks,
                     row->pickNo,       row->teamid, row->turnsMine};
}

std::optional<RoomLink> linkedRoom(ProgramStore& store, const LoadedDraft& loaded) {
    if (!loaded.draftSettings) {
        return std::nullopt;
    }
    const auto row = readFollowLink(store.dbConnection, draftOf(loaded));
    return row ? std::optional<RoomLink>(linkOf(*row)) : std::nullopt;
}

namespace {

// What the draft kept of another room means nothing in this one: the record of which room pick
// is which pick here would undo picks the new room never made, and another kind of room numbers
// its teams and players otherwise. The picks themselves stay. Inside the caller's transaction.
bool forgetOtherRoom(ProgramStore& store, const LoadedDraft& loaded, const RoomLink& room) {
    const std::optional<RoomLink> linked = linkedRoom(store, loaded);
    if (!linked || *linked == room) {
        return true;
    }
    if (!deleteFollowPicks(store.dbConnection, draftOf(loaded))) {
        return false;
    }
    return linked->kind == room.kind ||
           deleteFollowRoomChoices(store.dbConnection, draftOf(loaded));
}

}  // namespace

bool linkRoom(ProgramStore& store, const LoadedDraft& loaded, const RoomLink& room) {
    const std::optional<RoomLink> linked = linkedRoom(store, loaded);
    return (linked && *linked == room) || markFollowing(store, loaded, room, false);
}

bool markFollowing(ProgramStore& store, const LoadedDraft& loaded, const RoomLink& room,
                   bool following) {
    TransactionGuard transaction(store.dbConnection);
    if (!forgetOtherRoom(store, loaded, room) ||
        !writeFollowLink(store.dbConnection, draftOf(loaded),
                         FollowLinkRow{std::string(roomKindKey(room.kind)), room.id, room.season},
                         following)) {
        return false;
    }
    return transaction.commit();
}

bool saveRoomClock(ProgramStore& store, const LoadedDraft& loaded, const RoomClock& clock) {
    return writeFollowClock(store.dbConnection, draftOf(loaded),
                            FollowClockRow{{},
                                           clock.status,
                                           clock.teams,
                                           clock.roomPicks,
                                           clock.pickNo,
                                           clock.teamid,
                                           clock.turnsMine});
}

std::map<int, int> defaultRosterMapping(const LoadedDraft& loaded, const RoomDraft& draft) {
    std::map<int, int> mapping;
    if (!loaded.draftSettings) {
        return mapping;
    }
    std::map<int, int> teamAt;
    for (const DraftTeam& team : loaded.draftSettings->draftTeams) {
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

std::optional<std::map<int, int>> savedRosterMapping(ProgramStore& store,
                                                     const LoadedDraft& loaded) {
    return readFollowRosters(store.dbConnection, draftOf(loaded));
}

std::optional<std::map<int, int>> rosterMapping(ProgramStore& store, const LoadedDraft& loaded,
                                                const RoomDraft& draft) {
    const auto saved = savedRosterMapping(store, loaded);
    if (!saved) {
        return std::nullopt;
    }
    std::map<int, int> mapping = defaultRosterMapping(loaded, draft);
    for (const auto& [roster, teamid] : *saved) {
        mapping[roster] = teamid;
    }
    return mapping;
}

bool saveRosterMapping(ProgramStore& store, const LoadedDraft& loaded,
                       const std::map<int, int>& lines) {
    TransactionGuard transaction(store.dbConnection);
    for (const auto& [roster, teamid] : lines) {
        if (!writeFollowRoster(store.dbConnection, draftOf(loaded), roster, teamid)) {
            return false;
        }
    }
    return transaction.commit();
}

std::optional<std::map<std::string, int>> namedPlayers(ProgramStore& store,
                                                       const LoadedDraft& loaded) {
    return readFollowPlayers(store.dbConnection, draftOf(loaded));
}

bool saveNamedPlayer(ProgramStore& store, const LoadedDraft& loaded,
                     const std::string& roomPlayerId, int playerid) {
    TransactionGuard transaction(store.dbConnection);
    return writeFollowPlayer(store.dbConnection, draftOf(loaded), roomPlayerId, playerid) &&
           transaction.commit();
}

std::optional<std::vector<FollowedPick>> followedPicks(ProgramStore& store,
                                                       const LoadedDraft& loaded) {
    return readFollowPicks(store.dbConnection, draftOf(loaded));
}

bool insertFollowedPick(ProgramStore& store, const LoadedDraft& loaded, const FollowedPick& pick) {
    return writeFollowPick(store.dbConnection, draftOf(loaded), pick);
}

bool deleteFollowedPick(ProgramStore& store, const LoadedDraft& loaded, int pickNo) {
    return deleteFollowPick(store.dbConnection, draftOf(loaded), pickNo);
}

bool markPickReported(ProgramStore& store, const LoadedDraft& loaded, int pickNo) {
    TransactionGuard transaction(store.dbConnection);
    return markFollowPickReported(store.dbConnection, draftOf(loaded), pickNo) &&
           transaction.commit();
}

}  // namespace quorvane
