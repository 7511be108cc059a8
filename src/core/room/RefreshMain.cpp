// SPDX-License-Identifier: MIT
#include "room/RefreshMain.h"

#include "room/Turns.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"
#include "session/ValuationConversation.h"
#include "store/DraftPlayerRepository.h"
#include "store/DraftTeamRepository.h"
#include "teamadvice/RoomAdvice.h"
#include "valuation/Ranks.h"

namespace quorvane {

RoomView refreshMain(ProgramState& state, UserDialogs& dialogs, const PlayerListView& list,
                     RoomChange change) {
    RoomView view;
    if (!state.draftSettings()) {
        return view;
    }
    dialogs.setBusy(true);
    view.money = showTeamMoney(state, dialogs);
    calcRoomValues(state, dialogs);
    if (state.showAdvice) {
        shown(dialogs, refreshRoomAdvice(state, state.roomAdvice, change == RoomChange::PicksOnly));
    }
    view.availablePlayers = fillAvailablePlayers(state, list.positionFilter, list.sortColumn);
    view.teamSelector = fillTeamSelector(*state.loadedDraft);
    view.roster = getTeamRoster(state, dialogs, teamOnTheClock(*state.loadedDraft));
    view.draftLog = fillDraftLog(state);
    view.draftNotes = loadDraftNotes(state, dialogs);
    view.showAuctionControls = state.draftSettings()->drafttype == kDraftTypeAuction;
    view.draftComplete = isDraftComplete(*state.loadedDraft);
    dialogs.setBusy(false);
    return view;
}

RoomView refreshAfterPick(ProgramState& state, UserDialogs& dialogs) {
    RoomView view;
    if (!state.draftSettings()) {
        return view;
    }
    view.money = showTeamMoney(state, dialogs);
    view.showAuctionControls = state.draftSettings()->drafttype == kDraftTypeAuction;
    view.draftComplete = isDraftComplete(*state.loadedDraft);
    return view;
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

std::optional<std::string> loadDraftNotes(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const std::optional<std::string> notes =
        readDraftNotes(state.dbConnection, state.draftSettings()->template_id);
    if (!notes) {
        reportDatabaseError(
            dialogs, state.dbConnection,
            " 90007 error: could not get list of players: " + std::string(draftNotesQueryText()));
    }
    return notes;
}

}  // namespace quorvane
