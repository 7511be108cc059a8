// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "service/HttpExchange.h"

namespace quorvane::service {

struct ServerSettings {
    std::string certFile;
    std::string keyFile;
    // For the TLS handshake, an idle connection, a whole request from its first byte, and each
    // part of an answer.
    std::chrono::milliseconds deadline{std::chrono::seconds(10)};
    std::size_t headLimit = 32 * 1024;
    std::size_t bodyLimit = 16 * 1024;
    // Past this, a new connection pushes out the one that has waited longest without a request
    // to answer.
    std::size_t connectionLimit = 512;
    // Answers marked as downloads that may be written at once; at most half the connections, so
    // that ordinary requests always keep the other half. Past it a download is answered 503.
    std::size_t downloadLimit = 64;
    unsigned slowWorkThreads = 4;
    std::size_t slowWorkQueue = 64;
};

// Serves HTTPS (TLS 1.2 with forward-secret AEAD suites, and TLS 1.3) on one thread: a slow or
// silent client holds only its own connection's memory and never a thread. Slow work, such as
// a password hash, runs on a few threads beside it.
class HttpsServer {
  public:
    HttpsServer(ServerSettings settings, RequestHandler handler);
    ~HttpsServer();
    HttpsServer(const HttpsServer&) = delete;
    HttpsServer& operator=(const HttpsServer&) = delete;

    // Sets up TLS, binds and listens; port 0 takes any free port. False with a reason.
    bool listen(const std::string& host, int port, std::string& reason);
    int port() const;
    // Serves until stop(); false when the server could not run.
    bool run();
    // From any thread, also before run().
    void stop();
    // Runs the job on a slow-work thread; false when too many wait already (it is not run then).
    bool runBeside(std::function<void()> job);

  private:
    struct State;
    std::unique_ptr<State> m_state;
};

}  // namespace quorvane::service
