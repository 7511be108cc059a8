// SPDX-License-Identifier: MIT
#include "session/FollowConversation.h"

#include "session/ProgramState.h"
#include "session/ShowMessage.h"

namespace quorvane {

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
