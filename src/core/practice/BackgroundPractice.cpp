// SPDX-License-Identifier: MIT
#include "practice/BackgroundPractice.h"

#include "app/DataFolder.h"
#include "app/DataStore.h"
#include "app/ProgramState.h"
#include "draftconfig/DraftLoader.h"

namespace quorvane {

BackgroundPractice::~BackgroundPractice() {
    stop();
}

void BackgroundPractice::start(const PracticeTarget& target, const PracticeRunOptions& options,
                               Events events) {
    stop();
    m_stop = false;
    m_running = true;
    m_thread = std::thread([this, target, options, events = std::move(events)] {
        RelayedDialogs dialogs(events.message);
        ProgramState state;
        state.projectionYear = target.projectionYear;
        state.researchYear = target.projectionYear;
        DataFolderCandidates candidates;
        candidates.overrideFolder = target.dataFolder;
        PracticeRunResult result;
        if (openDataStore(state, dialogs, candidates) && loadDraft(state, target.templateId)) {
            result = runPractice(state, dialogs, options, &m_stop, events.picked);
        }
        m_running = false;
        if (events.ended) {
            events.ended(result);
        }
    });
}

void BackgroundPractice::stop() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

}  // namespace quorvane
