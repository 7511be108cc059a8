// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <thread>

namespace quorvane::gui {

// Works figures out on a thread of its own, from a copy of what they need, so that the window
// never waits for them. A newer start cancels the run before it; only what the newest run found
// is handed on, on the window's thread.
class NewestRun final : public QObject {
    Q_OBJECT
  public:
    // The work looks at its stop token now and then; it returns what to do with its figures on
    // the window's thread, or nothing when it stopped.
    using Work = std::function<std::function<void()>(std::stop_token)>;

    explicit NewestRun(QObject* parent = nullptr);
    ~NewestRun() override;

    // Starts the work unless a run for the same key runs or has finished.
    void start(std::string key, Work work);
    // Hands on a result found without a run (nothing to work out) as the newest, unless that
    // key's figures run or were handed on already.
    void settle(std::string key, const std::function<void()>& deliver);

  signals:
    void finished();

  private:
    void cancel();

    std::jthread m_thread;
    std::string m_key;
    std::uint64_t m_generation = 0;
};

}  // namespace quorvane::gui
