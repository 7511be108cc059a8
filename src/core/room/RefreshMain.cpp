// SPDX-License-Identifier: MIT
#include "room/RefreshMain.h"

#include "model/DraftSession.h"
#include "room/Turns.h"
#include "room/WriteFailures.h"
#include "store/DraftPlayerRepository.h"
#include "store/DraftTeamRepository.h"

namespace quorvane {

namespace {

void readFrame(const DraftSession& session, RoomView& view) {
    view.showAuctionControls = session.draftSettings()->drafttype == kDraftTypeAuction;
    view.draftComplete = isDraftComplete(*session.loadedDraft);
}

}  // namespace

RoomRebuild refreshAfterPick(DraftSession& session) {
    RoomRebuild read;
    if (!session.draftSettings()) {
        return read;
    }
    read.view.money = keepFailure(read.failures, showTeamMoney(session));
    readFrame(session, read.view);
    return read;
}

void readRoomLists(DraftSession& session, const ListShowing& showing, const PlayerListView& list,
                   RoomRebuild& read) {
    if (!session.draftSettings()) {
        return;
    }
    RoomView& view = read.view;
    view.availablePlayers =
        fillAvailablePlayers(session, showing, list.positionFilter, list.sortColumn);
    view.teamSelector = fillTeamSelector(*session.loadedDraft);
    RosterRead roster = getTeamRoster(session, teamOnTheClock(*session.loadedDraft));
    view.roster = std::move(roster.grid);
    if (roster.failure) {
        read.failures.push_back(std::move(*roster.failure));
    }
    view.draftLog = fillDraftLog(session);
    view.draftNotes = keepFailure(read.failures, loadDraftNotes(session));
    readFrame(session, view);
}

int teamOnTheClock(const LoadedDraft& loaded) {
    int teamid = 0;
    if (loaded.draftSettings) {
        for (const DraftTeam& team : loaded.draftSettings->draftTeams) {
            if (team.currentpick == 1) {
                teamid = team.teamid;
            }
        }
    }
    return teamid;
}

Outcome<std::string> loadDraftNotes(DraftSession& session) {
    if (!session.draftSettings()) {
        return WriteFailure{};
    }
    std::optional<std::string> notes =
        readDraftNotes(session.dbConnection, session.draftSettings()->template_id);
    if (!notes) {
        return databaseFailure(
            session.dbConnection,
            " 90007 error: could not get list of players: " + std::string(draftNotesQueryText()));
    }
    return std::move(*notes);
}

}  // namespace quorvane
