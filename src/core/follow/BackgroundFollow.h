// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "app/UserDialogs.h"
#include "follow/FollowLoop.h"

namespace quorvane {

// Passes the messages of a follower on another thread to a function (which hands them to the
// interface thread); it asks no questions, since the room's picks need none answered by hand.
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

// What a follower in the background needs to find the draft and its room.
struct FollowTarget {
    std::string dataFolder;
    int templateId = 0;
    int projectionYear = 0;
    RoomLink room;
};

// Follows a room on a thread of its own with its own connection to the database, so that the
// window stays free; the window learns of each recorded pick through the database (and the
// events, called on the follower's thread).
class BackgroundFollow {
  public:
    struct Events {
        std::function<void(const FollowSync&)> synced;
        std::function<void(const FollowStatus&)> status;
        std::function<void(const FollowStatus&)> ended;
        RelayedDialogs::Message message;
    };

    BackgroundFollow() = default;
    ~BackgroundFollow();
    BackgroundFollow(const BackgroundFollow&) = delete;
    BackgroundFollow& operator=(const BackgroundFollow&) = delete;

    void start(const FollowTarget& target, Events events);
    // Asks the follower to stop and waits for it (a tenth of a second at most between requests).
    void stop();
    bool running() const { return m_running.load(); }

  private:
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
};

}  // namespace quorvane
