// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>

namespace quorvane {

// The time a follower runs by. Tests put a clock in its place whose waits pass at once.
class FollowClock {
  public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~FollowClock() = default;
    virtual TimePoint now() = 0;
    // Returns at `when`, or earlier once `stop` is set.
    virtual void waitUntil(TimePoint when, const std::atomic<bool>& stop) = 0;
    // Wall-clock milliseconds, for the query that keeps the room's cache from answering.
    virtual std::int64_t epochMilliseconds() = 0;
};

class SystemFollowClock final : public FollowClock {
  public:
    TimePoint now() override;
    void waitUntil(TimePoint when, const std::atomic<bool>& stop) override;
    std::int64_t epochMilliseconds() override;
};

// When a follower may ask the room next. The draft at the room's interval (Sleeper's 3 s),
// every second while an auction player is up; after 429, a 5xx or no answer it waits twice the
// interval, doubling with each further one up to 60 s (longer only when the room says so in
// Retry-After, at most 10 minutes); and never more than 60 requests of any kind within a
// minute.
class PollSchedule {
  public:
    using TimePoint = FollowClock::TimePoint;
    using Seconds = std::chrono::seconds;

    static constexpr Seconds kDraftInterval{3};
    static constexpr Seconds kPlayerUpInterval{1};
    static constexpr Seconds kLongestBackOff{60};
    static constexpr Seconds kLongestRetryAfter{600};
    static constexpr Seconds kWindow{60};
    static constexpr std::size_t kCallsPerWindow = 60;

    explicit PollSchedule(TimePoint start, Seconds draftInterval = kDraftInterval);

    // The moment the next draft request is due (ignoring the cap).
    TimePoint nextDraftCall() const { return m_planned; }
    // The first moment at or after `wanted` at which one more request stays within the cap.
    TimePoint capAllows(TimePoint wanted) const;

    void callMade(TimePoint at);
    // The room answered: the next draft request after the usual interval, the back-off over.
    void answered(TimePoint at, bool playerUp);
    // The room is busy or away: the next request after the back-off.
    void throttled(TimePoint at, std::optional<long> retryAfterSeconds);

    // The wait after the last throttled answer; nullopt once the room answers again.
    std::optional<Seconds> backOff() const { return m_backOff; }

  private:
    TimePoint m_planned;
    std::optional<Seconds> m_backOff;
    Seconds m_draftInterval = kDraftInterval;
    Seconds m_interval = kDraftInterval;
    std::deque<TimePoint> m_calls;
};

}  // namespace quorvane
