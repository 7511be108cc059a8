// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <string>

namespace quorvane::service {

using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;

// Clients (by address) that passed the account request lately. The draft program sends the
// account request and then fetches the projections as a separate request, so the grant lives
// for a few minutes rather than for one connection.
class ClientAuthorisations {
  public:
    explicit ClientAuthorisations(std::chrono::seconds lifetime, SteadyClock clock = {});

    void authorise(const std::string& client);
    // A failed account request ends the client's grant: the next download from that address
    // belongs to whoever failed, not to whoever signed in before.
    void revoke(const std::string& client);
    bool isAuthorised(const std::string& client);

  private:
    std::chrono::steady_clock::time_point now() const;

    std::chrono::seconds m_lifetime;
    SteadyClock m_clock;
    std::mutex m_mutex;
    std::map<std::string, std::chrono::steady_clock::time_point> m_expiry;
};

}  // namespace quorvane::service
