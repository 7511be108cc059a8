// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class SSLServer;
}

namespace quorvane::test {

// What the room serves at one moment of a recorded draft.
struct RoomMoment {
    std::string draft;  // the body of /draft/{id}
    std::string picks;  // the body of /draft/{id}/picks
};

// A local HTTPS stand-in for the Sleeper room on a free loopback port, with the trusted test
// certificate. It replays a recorded draft: it serves one moment until the test moves it on.
// The draft answers with an ETag and 304 to a matching If-None-Match, as the real room may.
class SleeperFixture {
  public:
    explicit SleeperFixture(std::vector<RoomMoment> moments, std::string users = "[]");
    ~SleeperFixture();
    SleeperFixture(const SleeperFixture&) = delete;
    SleeperFixture& operator=(const SleeperFixture&) = delete;

    // https://127.0.0.1:PORT/v1
    std::string baseUrl() const;
    bool started() const { return m_port > 0; }

    // Serves the next moment (the last one stays).
    void next();
    // The next `times` requests of any kind answer `status` (with Retry-After when given).
    void refuseNext(int status, int times, std::optional<int> retryAfter = std::nullopt);

    int draftCalls() const;
    int picksCalls() const;
    int unchangedAnswers() const;
    // The query strings the room saw, in order.
    std::vector<std::string> queries() const;

  private:
    struct Refusal {
        int status = 0;
        int times = 0;
        std::optional<int> retryAfter;
    };

    std::unique_ptr<httplib::SSLServer> m_server;
    std::thread m_thread;
    int m_port = 0;
    std::vector<RoomMoment> m_moments;
    std::string m_users;
    mutable std::mutex m_mutex;
    std::size_t m_at = 0;
    Refusal m_refusal;
    int m_draftCalls = 0;
    int m_picksCalls = 0;
    int m_unchanged = 0;
    std::vector<std::string> m_queries;
};

// Points the program's room address and CA bundle at a fixture while the test runs.
class RoomAddressForTest {
  public:
    explicit RoomAddressForTest(const SleeperFixture& fixture);
    ~RoomAddressForTest();
    RoomAddressForTest(const RoomAddressForTest&) = delete;
    RoomAddressForTest& operator=(const RoomAddressForTest&) = delete;
};

}  // namespace quorvane::test
