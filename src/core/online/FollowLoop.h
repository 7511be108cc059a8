// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "online/FollowDraft.h"
#include "online/PollSchedule.h"
#include "online/Room.h"
#include "vocabulary/Decision.h"

namespace quorvane {

struct DraftSession;

// Where a follower stands, for its status line.
struct FollowStatus {
    enum class State { Following, Waiting, NeedsPlayer, Complete, Stopped, Failed };
    State state = State::Following;
    int roomPicks = 0;
    std::optional<FollowClock::TimePoint> lastChange;  // when the room last made or undid a pick
    std::optional<PollSchedule::Seconds> backOff;
    long lastHttpStatus = 0;
    std::string detail;  // the pick a NeedsPlayer stopped at, or why it failed
    std::string note;    // what the room wants the user to know ("ESPN has not published ...")
};

// "Following · 37 picks · last change 2 s ago", "Waiting 12 s · the room answered 429 · 37
// picks", "Draft complete · 156 picks", "Stopped at pick 14 · ...", "Stopped"; the room's note
// after a following or complete line.
std::string followStatusLine(const FollowStatus& status, FollowClock::TimePoint now);

// Follows the room until its draft is complete, a pick needs the user, a failure, or `stop`:
// reads the draft on the schedule (the room's interval), the picks only when its last pick or
// status changed (or an earlier read of them failed), and syncs them through `sync` (the front
// end's syncRoomPicks). The draft is marked as followed while it runs.
class FollowLoop {
  public:
    using Sync = std::function<FollowSync(const RoomLink& room, const RoomDraft& draft,
                                          const std::vector<RoomPick>& picks)>;
    struct Events {
        std::function<void(const FollowSync&)> synced;    // after every sync
        std::function<void(const FollowStatus&)> status;  // whenever the state changes
        // What the user is to read when the room could not be read (its answer logged).
        std::function<void(const Message&)> message;
    };

    FollowLoop(DraftSession& session, Room& room, FollowClock& clock, Sync sync, Events events);

    FollowStatus run(const std::atomic<bool>& stop);

  private:
    void tell(FollowStatus::State state);
    bool waitFor(FollowClock::TimePoint when, const std::atomic<bool>& stop);
    std::optional<FollowStatus> readPicksAndSync(const RoomDraft& draft);

    void unreadable(const RoomReply& reply);

    DraftSession& m_state;
    Room& m_room;
    FollowClock& m_clock;
    Sync m_sync;
    Events m_events;
    PollSchedule m_schedule;
    FollowStatus m_status;
};

}  // namespace quorvane
