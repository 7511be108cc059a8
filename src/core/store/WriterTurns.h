// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace quorvane {

// The writers of this program on one database file, each on a thread and connection of its own
// (the window, a practice's bots, the room follower), take turns in the order they asked.
// SQLite's busy handler retries at widening intervals, so a thread that writes short
// transactions one after another (the bots at the instant pace) could keep the window's writer
// waiting for hundreds of milliseconds; in line it waits for one of them at most. Writers of
// other programs are still met by SQLite's busy timeout.
class WriterTurns {
  public:
    // Waits for the calling thread's turn, at most `wait`; false when it did not come, and the
    // writer then meets the lock in SQLite as before. A thread that holds the turn has it again
    // (one give for each take).
    bool take(std::chrono::milliseconds wait);
    void give();
    // Threads waiting in line.
    std::size_t waiting() const;

  private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::uint64_t> m_line;
    std::uint64_t m_nextTicket = 0;
    std::optional<std::thread::id> m_holder;
    int m_depth = 0;
};

// The turns of the database file at `path`, shared by every connection of this program to it.
WriterTurns& writerTurnsOf(const std::string& path);

}  // namespace quorvane
