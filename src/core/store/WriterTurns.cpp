// SPDX-License-Identifier: MIT
#include "store/WriterTurns.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>

namespace quorvane {

bool WriterTurns::take(std::chrono::milliseconds wait) {
    std::unique_lock lock(m_mutex);
    const std::thread::id me = std::this_thread::get_id();
    if (m_holder == me) {
        ++m_depth;
        return true;
    }
    const std::uint64_t ticket = m_nextTicket++;
    m_line.push_back(ticket);
    const bool mine = m_changed.wait_for(
        lock, wait, [this, ticket] { return !m_holder && m_line.front() == ticket; });
    if (!mine) {
        m_line.erase(std::find(m_line.begin(), m_line.end(), ticket));
        // The next in line may be free to go now.
        m_changed.notify_all();
        return false;
    }
    m_line.pop_front();
    m_holder = me;
    m_depth = 1;
    return true;
}

void WriterTurns::give() {
    std::lock_guard lock(m_mutex);
    if (m_holder != std::this_thread::get_id() || --m_depth > 0) {
        return;
    }
    m_holder.reset();
    m_changed.notify_all();
}

std::size_t WriterTurns::waiting() const {
    std::lock_guard lock(m_mutex);
    return m_line.size();
}

// One line per file for the whole run; the few files a run opens are never forgotten. Two
// connections that name the file differently (a relative path, a link) still share its line.
WriterTurns& writerTurnsOf(const std::string& path) {
    static std::mutex guard;
    static std::map<std::string, std::unique_ptr<WriterTurns>> turns;
    std::error_code failed;
    const std::filesystem::path file = std::filesystem::weakly_canonical(path, failed);
    std::lock_guard lock(guard);
    std::unique_ptr<WriterTurns>& line = turns[failed ? path : file.string()];
    if (!line) {
        line = std::make_unique<WriterTurns>();
    }
    return *line;
}

}  // namespace quorvane
