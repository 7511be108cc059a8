// SPDX-License-Identifier: MIT
#include "session/FollowConversation.h"

#include "session/ProgramState.h"
#include "session/ShowMessage.h"

namespace quorvane {

namespace {

FollowSync told(UserDialogs& dialogs, FollowSync sync) {
    showFailures(dialogs, sync.told);
    return sync;
}

}  // namespace

FollowSync syncRoomPicks(ProgramState& state, UserDialogs& dialogs, const RoomLink& room,
                         const RoomDraft& draft, const std::vector<RoomPick>& picks) {
    return told(dialogs, syncRoomPicks(static_cast<DraftSession&>(state), room, draft, picks));
}

FollowSync followDraft(ProgramState& state, UserDialogs& dialogs, Room& room) {
    return told(dialogs, followDraft(static_cast<DraftSession&>(state), room));
}

FollowLoop followLoopTold(ProgramState& state, UserDialogs& dialogs, Room& room, FollowClock& clock,
                          FollowLoop::Events events) {
    events.message = [&dialogs](const Message& message) { showMessage(dialogs, message); };
    return FollowLoop(
        state, room, clock,
        [&state, &dialogs](const RoomLink& link, const RoomDraft& draft,
                           const std::vector<RoomPick>& picks) {
            return syncRoomPicks(state, dialogs, link, draft, picks);
        },
        std::move(events));
}

}  // namespace quorvane
