// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "practice/PracticeRun.h"
#include "session/BackgroundRunner.h"

namespace quorvane {

using PracticeTarget = DraftTarget;

// Runs a practice draft's opponents on a thread of their own with their own connection to the
// database, at the pace asked for, so that the window stays free and shows each pick as the
// database watcher sees it. The events are called on that thread.
class BackgroundPractice {
  public:
    struct Events {
        std::function<void(const PracticePick&)> picked;
        std::function<void(const PracticeRunResult&)> ended;
        RelayedDialogs::Message message;
    };

    void start(const PracticeTarget& target, const PracticeRunOptions& options, Events events);
    // Asks the opponents to stop and waits for them (a twentieth of a second at most while they
    // wait their pace; a pick being written is finished first).
    void stop() { m_runner.stop(); }
    bool running() const { return m_runner.running(); }

  private:
    BackgroundRunner m_runner;
};

}  // namespace quorvane
