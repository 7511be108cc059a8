// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "online/FollowDraft.h"
#include "online/PollSchedule.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;
class Room;

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
// status changed (or an earlier read of them failed), and syncs them. The draft is marked as
// followed while it runs.
class FollowLoop {
  public:
    struct Events {
        std::function<void(const FollowSync&)> synced;    // after every sync
        std::function<void(const FollowStatus&)> status;  // whenever the state changes
    };

    FollowLoop(ProgramState& state, UserDialogs& dialogs, Room& room, FollowClock& clock,
               Events events);

    FollowStatus run(const std::atomic<bool>& stop);

  private:
    void tell(FollowStatus::State state);
    bool waitFor(FollowClock::TimePoint when, const std::atomic<bool>& stop);
    std::optional<FollowStatus> readPicksAndSync(const RoomDraft& draft);

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    Room& m_room;
    FollowClock& m_clock;
    Events m_events;
    PollSchedule m_schedule;
    FollowStatus m_status;
};

}  // namespace quorvane
