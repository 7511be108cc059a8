// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include "online/FollowLoop.h"
#include "session/BackgroundRunner.h"

namespace quorvane {

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

    void start(const FollowTarget& target, Events events);
    // Asks the follower to stop and waits for it (a tenth of a second at most between requests).
    void stop() { m_runner.stop(); }
    bool running() const { return m_runner.running(); }

  private:
    BackgroundRunner m_runner;
};

}  // namespace quorvane
