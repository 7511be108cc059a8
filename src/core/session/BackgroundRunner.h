// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "session/UserDialogs.h"

namespace quorvane {

struct ProgramState;

// Passes the messages of a job on another thread to a function (which hands them to the
// interface thread); it asks no questions, since nobody is there to answer them.
class RelayedDialogs final : public UserDialogs {
  public:
    using Message = std::function<void(std::string, std::string, MessageIcon)>;
    explicit RelayedDialogs(Message message) : m_message(std::move(message)) {}

    void showMessage(std::string_view title, std::string_view text, MessageIcon icon) override {
        if (m_message) {
            m_message(std::string(title), std::string(text), icon);
        }
    }
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    void setBusy(bool) override {}
    void progress(std::string_view, long long, long long) override {}

  private:
    Message m_message;
};

// Where a background job finds its draft.
struct DraftTarget {
    std::string dataFolder;
    int templateId = 0;
    int projectionYear = 0;
};

// Runs one job at a time on a thread of its own, with the draft opened on a connection of its
// own, so that the window stays free while the job writes; the window learns of its writes
// through the database. A new start stops the job before it.
class BackgroundRunner {
  public:
    // Called on the runner's thread; `draft` is null when the draft could not be opened (the
    // reason was shown through `dialogs`). The job looks at `stop` between its steps.
    using Job = std::function<void(ProgramState* draft, UserDialogs& dialogs,
                                   const std::atomic<bool>& stop)>;

    BackgroundRunner() = default;
    ~BackgroundRunner();
    BackgroundRunner(const BackgroundRunner&) = delete;
    BackgroundRunner& operator=(const BackgroundRunner&) = delete;

    // `finished` is called on the runner's thread once the job is done and running() is false,
    // so that whoever it tells may start the next job at once.
    void start(const DraftTarget& target, RelayedDialogs::Message message, Job job,
               std::function<void()> finished);
    // Asks the job to stop and waits for it (as long as the job takes to look at its flag).
    void stop();
    bool running() const { return m_running.load(); }

  private:
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
};

}  // namespace quorvane
