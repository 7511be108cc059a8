// SPDX-License-Identifier: MIT
#include "follow/BackgroundFollow.h"

#include "app/CurlTransfer.h"
#include "app/DataFolder.h"
#include "app/DataStore.h"
#include "app/ProgramState.h"
#include "draftconfig/DraftLoader.h"
#include "follow/OpenRoom.h"

namespace quorvane {

BackgroundFollow::~BackgroundFollow() {
    stop();
}

void BackgroundFollow::start(const FollowTarget& target, Events events) {
    stop();
    m_stop = false;
    m_running = true;
    m_thread = std::thread([this, target, events = std::move(events)] {
        RelayedDialogs dialogs(events.message);
        ProgramState state;
        state.projectionYear = target.projectionYear;
        state.researchYear = target.projectionYear;
        DataFolderCandidates candidates;
        candidates.overrideFolder = target.dataFolder;
        FollowStatus status;
        status.state = FollowStatus::State::Failed;
        if (!openDataStore(state, dialogs, candidates) || !loadDraft(state, target.templateId)) {
            status.detail = "the draft could not be opened";
        } else {
            CurlTransfer transfer;
            SystemFollowClock clock;
            const std::unique_ptr<Room> room =
                openRoom(transfer, target.room, {target.dataFolder, target.templateId, [&clock] {
                                                     return clock.epochMilliseconds();
                                                 }});
            FollowLoop loop(state, dialogs, *room, clock, {events.synced, events.status});
            status = loop.run(m_stop);
        }
        m_running = false;
        if (events.ended) {
            events.ended(status);
        }
    });
}

void BackgroundFollow::stop() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

}  // namespace quorvane
