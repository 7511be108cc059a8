// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "service/HttpRequest.h"
#include "service/HttpResponse.h"

typedef struct ssl_ctx_st SSL_CTX;

namespace quorvane::service {

struct LoopLimits {
    // For the TLS handshake, for a whole request (head and body, from its first byte), for an
    // idle connection, and for a stalled answer.
    std::chrono::milliseconds deadline{std::chrono::seconds(10)};
    HeadLimits head;
    std::size_t bodyLimit = 16 * 1024;
    // Past this, a new connection pushes out the one that has waited longest without a request
    // to answer.
    std::size_t connectionLimit = 512;
    int requestsPerConnection = 20;
    // How long a connection closed after a refusal still reads what the client sends, so that
    // the client is not reset before it has read the refusal.
    std::chrono::milliseconds lingering{2000};
};

class ConnectionLoop;

// Answers one request; from any thread, exactly once.
class Responder {
  public:
    void answer(HttpResponse response) const;

  private:
    friend class ConnectionLoop;
    Responder(ConnectionLoop* loop, std::uint64_t connection)
        : m_loop(loop), m_connection(connection) {}
    ConnectionLoop* m_loop;
    std::uint64_t m_connection;
};

using RequestHandler =
    std::function<void(const HttpRequest& request, const std::string& address, Responder reply)>;

// Serves HTTPS connections on one thread with non-blocking sockets: a slow or silent client
// holds only its own connection's memory (bounded) and never a thread, and every phase of a
// connection has a deadline that bytes trickling in do not extend.
class ConnectionLoop {
  public:
    ConnectionLoop(SSL_CTX* tls, LoopLimits limits, RequestHandler handler);
    ~ConnectionLoop();
    ConnectionLoop(const ConnectionLoop&) = delete;
    ConnectionLoop& operator=(const ConnectionLoop&) = delete;

    // Binds and listens; port 0 takes any free port. False with a reason.
    bool listen(const std::string& host, int port, std::string& reason);
    int port() const { return m_port; }
    // Serves until stop(); false when the loop could not run.
    bool run();
    // From any thread, also before run().
    void stop();

  private:
    friend class Responder;
    struct Connection;
    using Clock = std::chrono::steady_clock;

    void post(std::uint64_t connection, HttpResponse response);
    void wake();
    void acceptConnections();
    bool makeRoom();
    void onEvent(Connection& connection, std::uint32_t events);
    void continueHandshake(Connection& connection);
    void readRequests(Connection& connection);
    bool readChunk(Connection& connection);
    void processInput(Connection& connection);
    void dispatch(Connection& connection);
    void deliverAnswers();
    void startAnswer(Connection& connection, HttpResponse response, bool close);
    void refuse(Connection& connection, int status);
    void writeAnswer(Connection& connection);
    void startLingering(Connection& connection);
    void drainLingering(Connection& connection);
    void awaitNextRequest(Connection& connection);
    void waitForTls(Connection& connection, int result);
    void watch(Connection& connection, std::uint32_t events);
    void close(Connection& connection);
    void closeExpired();
    void closeMarked();

    SSL_CTX* m_tls;
    LoopLimits m_limits;
    RequestHandler m_handler;
    int m_listener = -1;
    int m_epoll = -1;
    int m_wakeup = -1;
    int m_port = 0;
    std::atomic<bool> m_stopRequested{false};
    std::uint64_t m_nextId = 1;
    std::map<std::uint64_t, std::unique_ptr<Connection>> m_connections;
    std::vector<std::uint64_t> m_closing;
    Clock::time_point m_lastSweep;

    std::mutex m_answersMutex;
    std::vector<std::pair<std::uint64_t, HttpResponse>> m_answers;
};

}  // namespace quorvane::service
