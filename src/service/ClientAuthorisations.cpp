// SPDX-License-Identifier: MIT
#include "service/ClientAuthorisations.h"

namespace quorvane::service {

ClientAuthorisations::ClientAuthorisations(std::chrono::seconds lifetime, SteadyClock clock)
    : m_lifetime(lifetime), m_clock(std::move(clock)) {}

std::chrono::steady_clock::time_point ClientAuthorisations::now() const {
    return m_clock ? m_clock() : std::chrono::steady_clock::now();
}

void ClientAuthorisations::authorise(const std::string& client) {
    const auto time = now();
    const std::lock_guard lock(m_mutex);
    // Expired grants are dropped here so that the table cannot grow without end.
    std::erase_if(m_expiry, [time](const auto& entry) { return entry.second <= time; });
    m_expiry[client] = time + m_lifetime;
}

void ClientAuthorisations::revoke(const std::string& client) {
    const std::lock_guard lock(m_mutex);
    m_expiry.erase(client);
}

bool ClientAuthorisations::isAuthorised(const std::string& client) {
    const auto time = now();
    const std::lock_guard lock(m_mutex);
    const auto found = m_expiry.find(client);
    return found != m_expiry.end() && time < found->second;
}

}  // namespace quorvane::service
