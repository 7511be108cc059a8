// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "LoopbackService.h"

namespace quorvane::test {

// A loopback HTTPS server that never finishes an answer, for the client's time-outs. Silent, it
// accepts connections and says nothing, not even its part of the handshake; otherwise it reads
// the request and sends "200 OK" with the first bytes of a longer body. It holds every
// connection until it is destroyed.
class StallingServer {
  public:
    enum class Stall { Silent, AfterHead };
    explicit StallingServer(Stall stall, const TestCertificate& certificate = trustedCertificate());
    ~StallingServer();
    StallingServer(const StallingServer&) = delete;
    StallingServer& operator=(const StallingServer&) = delete;

    std::string host() const { return "127.0.0.1:" + std::to_string(m_port); }

  private:
    void serve(Stall stall, const TestCertificate& certificate);

    int m_socket = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::vector<int> m_held;
    std::thread m_thread;
};

}  // namespace quorvane::test
