// SPDX-License-Identifier: MIT
#include "session/RoomRefresh.h"

#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"
#include "session/ValuationConversation.h"
#include "teamadvice/RoomAdvice.h"
#include "valuation/Ranks.h"

namespace quorvane {

ListShowing listShowing(const ProgramState& state) {
    return {state.statsMode, state.showAdvice, currentRoomAdvice(state.roomAdvice)};
}

RoomView refreshMain(ProgramState& state, UserDialogs& dialogs, const PlayerListView& list) {
    if (!state.draftSettings()) {
        return {};
    }
    const BusyPointer busy(dialogs);
    RoomRebuild read = quorvane::refreshAfterPick(state);
    showFailures(dialogs, read.failures);
    read.failures.clear();
    calcRoomValues(state, dialogs);
    if (state.showAdvice) {
        shown(dialogs, refreshRoomAdvice(state, state.roomAdvice));
    }
    readRoomLists(state, listShowing(state), list, read);
    showFailures(dialogs, read.failures);
    return std::move(read.view);
}

RoomView refreshAfterPick(ProgramState& state, UserDialogs& dialogs) {
    RoomRebuild read = quorvane::refreshAfterPick(state);
    showFailures(dialogs, read.failures);
    return std::move(read.view);
}

}  // namespace quorvane
