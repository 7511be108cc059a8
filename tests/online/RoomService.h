// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "LoopbackService.h"

namespace httplib {
class SSLServer;
}

namespace quorvane::test {

// One answer of a stand-in room.
struct Served {
    int status = 200;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
    std::chrono::milliseconds delay{0};  // before the answer starts, for a room that hangs
};

// A local HTTPS stand-in for any room on a free loopback port: each path (the query left out)
// answers what its handler gives at that moment; every other path answers 404 with `null`.
class RoomService {
  public:
    explicit RoomService(const TestCertificate& certificate = trustedCertificate());
    ~RoomService();
    RoomService(const RoomService&) = delete;
    RoomService& operator=(const RoomService&) = delete;

    using Answer = std::function<Served()>;
    void serve(const std::string& path, Answer answer);
    void serve(const std::string& path, const std::string& body);

    // https://127.0.0.1:PORT followed by `prefix`
    std::string address(const std::string& prefix = {}) const;
    int port() const { return m_port; }

    // Requests to `path` so far; all requests without one.
    int calls(const std::string& path = {}) const;
    // The value of a request header as each request to the path sent it ("" when absent).
    std::vector<std::string> headerValues(const std::string& path, const std::string& name) const;

  private:
    std::unique_ptr<httplib::SSLServer> m_server;
    std::thread m_thread;
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::map<std::string, Answer> m_answers;
    std::map<std::string, int> m_calls;
    std::vector<std::pair<std::string, std::map<std::string, std::string>>> m_requests;
};

// Points a room's address variable (QUORVANE_ESPN_URL, ...) and the CA bundle at a stand-in
// while the test runs.
class AddressForTest {
  public:
    AddressForTest(const char* variable, const std::string& address);
    ~AddressForTest();
    AddressForTest(const AddressForTest&) = delete;
    AddressForTest& operator=(const AddressForTest&) = delete;

  private:
    const char* m_variable;
};

}  // namespace quorvane::test
