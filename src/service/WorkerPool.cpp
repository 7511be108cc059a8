// SPDX-License-Identifier: MIT
#include "service/WorkerPool.h"

namespace quorvane::service {

WorkerPool::WorkerPool(unsigned threads, std::size_t queueLimit) : m_queueLimit(queueLimit) {
    for (unsigned i = 0; i < threads; ++i) {
        m_threads.emplace_back([this] { work(); });
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_wake.notify_all();
    for (auto& thread : m_threads) {
        thread.join();
    }
}

bool WorkerPool::submit(std::function<void()> job) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_stopping || m_jobs.size() >= m_queueLimit) {
            return false;
        }
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
    return true;
}

void WorkerPool::work() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
            if (m_stopping) {
                return;
            }
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        job();
    }
}

}  // namespace quorvane::service
