// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "follow/BackgroundFollow.h"
#include "practice/PracticeRun.h"

namespace quorvane {

// What the opponents of a practice draft need to draft in the background.
struct PracticeTarget {
    std::string dataFolder;
    int templateId = 0;
    int projectionYear = 0;
};

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

    BackgroundPractice() = default;
    ~BackgroundPractice();
    BackgroundPractice(const BackgroundPractice&) = delete;
    BackgroundPractice& operator=(const BackgroundPractice&) = delete;

    void start(const PracticeTarget& target, const PracticeRunOptions& options, Events events);
    // Asks the opponents to stop and waits for them (a twentieth of a second at most while they
    // wait their pace; a pick being written is finished first).
    void stop();
    bool running() const { return m_running.load(); }

  private:
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
};

}  // namespace quorvane
