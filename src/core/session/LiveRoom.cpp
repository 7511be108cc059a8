// SPDX-License-Identifier: MIT
#include "session/LiveRoom.h"

#include "online/RoomBanner.h"
#include "room/ClockBanner.h"
#include "room/DraftPicks.h"
#include "session/ProgramState.h"
#include "session/RoomRefresh.h"
#include "session/ValuationConversation.h"
#include "valuation/CategoryTargets.h"
#include "valuation/Standings.h"

namespace quorvane {

LiveRoom refreshLiveRoom(ProgramState& state, UserDialogs& dialogs, const PlayerListView& list) {
    return completeLiveRoom(state, dialogs, refreshMain(state, dialogs, list));
}

LiveRoom completeLiveRoom(ProgramState& state, UserDialogs& dialogs, RoomView room) {
    LiveRoom live;
    live.room = std::move(room);
    if (!state.draftSettings()) {
        return live;
    }
    // One projection of the standings serves the grid, the targets and the figures.
    if (auto standings = readStandings(state, state.includeReserves)) {
        live.standings = standingsGridOf(state, state.includeReserves, *standings);
        if (live.standings) {
            live.targets = showCategoryTargets(state, dialogs, standings);
            live.standingsFigures = std::move(standings);
        }
    }
    if (auto picks = readDraftPicks(state)) {
        live.board = buildDraftBoard(*state.loadedDraft, *picks);
        live.banner = liveBanner(state, *picks);
        live.bannerDetails = clockBannerDetails(*state.loadedDraft, *picks, bannerValues(state));
        live.picks = std::move(*picks);
    }
    return live;
}

std::string liveBanner(ProgramState& state, const std::vector<DraftPick>& picks) {
    if (const auto clock = readRoomClock(state, *state.loadedDraft)) {
        return roomClockBanner(*state.loadedDraft, picks, *clock);
    }
    return clockBanner(*state.loadedDraft, picks, bannerValues(state));
}

}  // namespace quorvane
