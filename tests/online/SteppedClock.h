// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>

#include "online/PollSchedule.h"

namespace quorvane::test {

// Time that passes only when the follower waits, at once; what the test planned for a moment
// happens when the clock passes it.
class SteppedClock final : public FollowClock {
  public:
    TimePoint now() override { return m_now; }
    void waitUntil(TimePoint when, const std::atomic<bool>&) override {
        m_now = std::max(m_now, when);
        while (!m_planned.empty() && m_planned.begin()->first <= m_now) {
            const auto action = m_planned.begin()->second;
            m_planned.erase(m_planned.begin());
            action();
        }
    }
    std::int64_t epochMilliseconds() override { return 1'560'000'000'000 + seconds() * 1000; }

    void at(std::chrono::milliseconds when, std::function<void()> action) {
        m_planned.emplace(kStart + when, std::move(action));
    }
    long long seconds() const {
        return std::chrono::duration_cast<std::chrono::seconds>(m_now - kStart).count();
    }

    static inline const TimePoint kStart{};

  private:
    TimePoint m_now = kStart;
    std::multimap<TimePoint, std::function<void()>> m_planned;
};

}  // namespace quorvane::test
