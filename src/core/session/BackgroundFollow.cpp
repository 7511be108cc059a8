// SPDX-License-Identifier: MIT
#include "session/BackgroundFollow.h"

#include <memory>

#include "online/OpenRoom.h"
#include "platform/CurlTransfer.h"
#include "session/FollowConversation.h"

namespace quorvane {

void BackgroundFollow::start(const FollowTarget& target, Events events) {
    auto status = std::make_shared<FollowStatus>();
    const RoomLink link = target.room;
    const std::string dataFolder = target.dataFolder;
    const int templateId = target.templateId;
    m_runner.start(
        {target.dataFolder, target.templateId, target.projectionYear}, events.message,
        [status, link, dataFolder, templateId, synced = events.synced, told = events.status](
            ProgramState* draft, UserDialogs& dialogs, const std::atomic<bool>& stop) {
            status->state = FollowStatus::State::Failed;
            if (draft == nullptr) {
                status->detail = "the draft could not be opened";
                return;
            }
            CurlTransfer transfer;
            SystemFollowClock clock;
            const std::unique_ptr<Room> room =
                openRoom(transfer, link,
                         {dataFolder, templateId, [&clock] { return clock.epochMilliseconds(); }});
            FollowLoop loop = followLoopTold(*draft, dialogs, *room, clock, {synced, told, {}});
            *status = loop.run(stop);
        },
        [status, ended = events.ended] {
            if (ended) {
                ended(*status);
            }
        });
}

}  // namespace quorvane
