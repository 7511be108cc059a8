// SPDX-License-Identifier: MIT
#include "online/PollSchedule.h"

#include <algorithm>
#include <thread>

namespace quorvane {

FollowClock::TimePoint SystemFollowClock::now() {
    return std::chrono::steady_clock::now();
}

void SystemFollowClock::waitUntil(TimePoint when, const std::atomic<bool>& stop) {
    // Short slices, so that a stop is seen within a tenth of a second.
    constexpr auto kSlice = std::chrono::milliseconds(100);
    while (!stop.load() && std::chrono::steady_clock::now() < when) {
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kSlice, when - now()));
    }
}

std::int64_t SystemFollowClock::epochMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

PollSchedule::PollSchedule(TimePoint start, Seconds draftInterval)
    : m_planned(start), m_draftInterval(draftInterval), m_interval(draftInterval) {}

PollSchedule::TimePoint PollSchedule::capAllows(TimePoint wanted) const {
    if (m_calls.size() < kCallsPerWindow) {
        return wanted;
    }
    // The oldest call that still counts must leave the window first.
    const TimePoint freed = m_calls[m_calls.size() - kCallsPerWindow] + kWindow;
    return std::max(wanted, freed);
}

void PollSchedule::callMade(TimePoint at) {
    m_calls.push_back(at);
    while (m_calls.size() > kCallsPerWindow) {
        m_calls.pop_front();
    }
}

void PollSchedule::answered(TimePoint at, bool playerUp) {
    m_backOff.reset();
    m_interval = playerUp ? kPlayerUpInterval : m_draftInterval;
    m_planned = at + m_interval;
}

void PollSchedule::throttled(TimePoint at, std::optional<long> retryAfterSeconds) {
    m_backOff = m_backOff ? std::min(*m_backOff * 2, kLongestBackOff) : m_interval * 2;
    Seconds wait = *m_backOff;
    if (retryAfterSeconds) {
        wait = std::max(wait, std::min(Seconds(*retryAfterSeconds), kLongestRetryAfter));
        m_backOff = wait;
    }
    m_planned = at + wait;
}

}  // namespace quorvane
