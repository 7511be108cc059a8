// SPDX-License-Identifier: MIT
#include "session/BackgroundRunner.h"

#include "model/DraftLoader.h"
#include "platform/DataFolder.h"
#include "session/DataStore.h"
#include "session/ProgramState.h"

namespace quorvane {

BackgroundRunner::~BackgroundRunner() {
    stop();
}

void BackgroundRunner::start(const DraftTarget& target, RelayedDialogs::Message message, Job job,
                             std::function<void()> finished) {
    stop();
    m_stop = false;
    m_running = true;
    m_thread = std::thread([this, target, message = std::move(message), job = std::move(job),
                            finished = std::move(finished)] {
        RelayedDialogs dialogs(message);
        ProgramState state;
        state.projectionYear = target.projectionYear;
        state.researchYear = target.projectionYear;
        DataFolderCandidates candidates;
        candidates.overrideFolder = target.dataFolder;
        const bool opened =
            openDataStore(state, dialogs, candidates) && loadDraft(state, target.templateId);
        job(opened ? &state : nullptr, dialogs, m_stop);
        m_running = false;
        if (finished) {
            finished();
        }
    });
}

void BackgroundRunner::stop() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

}  // namespace quorvane
