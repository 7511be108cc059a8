// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quorvane::service {

// Threads for the slow work (password hashes), away from the thread that serves connections.
class WorkerPool {
  public:
    WorkerPool(unsigned threads, std::size_t queueLimit);
    // Drops the jobs not yet begun and waits for the running ones.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // False when the queue is full; the job is then not run.
    bool submit(std::function<void()> job);

  private:
    void work();

    std::size_t m_queueLimit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_jobs;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

}  // namespace quorvane::service
