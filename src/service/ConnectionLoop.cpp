// SPDX-License-Identifier: MIT
#include "service/ConnectionLoop.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "service/RequestBody.h"

namespace quorvane::service {

namespace {

constexpr std::uint64_t kListenerId = 0;
constexpr std::uint64_t kWakeupId = ~std::uint64_t{0};
constexpr std::size_t kChunk = 16 * 1024;
// Bodies of this size or less go out in the same TLS record as the head.
constexpr std::size_t kSmallBody = 4 * 1024;
constexpr std::size_t kLingerBytes = 1 << 20;
constexpr std::chrono::milliseconds kSweepInterval{100};
constexpr int kWaitMilliseconds = 100;
// File descriptors the process keeps for itself beside its connections.
constexpr rlim_t kReservedDescriptors = 32;

std::string addressText(const sockaddr_storage& peer) {
    char text[INET6_ADDRSTRLEN] = "";
    if (peer.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(peer);
        inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
    } else if (peer.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(peer);
        // A dual-stack socket shows IPv4 clients as ::ffff:a.b.c.d; they are the same clients.
        if (IN6_IS_ADDR_V4MAPPED(&v6.sin6_addr)) {
            inet_ntop(AF_INET, &v6.sin6_addr.s6_addr[12], text, sizeof text);
        } else {
            inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
        }
    }
    return text;
}

}  // namespace

struct ConnectionLoop::Connection {
    enum class Phase { Handshake, Idle, Request, Answering, Writing, Lingering };

    std::uint64_t id = 0;
    int socket = -1;
    SSL* ssl = nullptr;
    std::string address;
    Phase phase = Phase::Handshake;
    Clock::time_point deadline;
    std::uint32_t watched = 0;
    bool closed = false;

    std::string input;
    bool headRead = false;
    HttpRequest request;
    std::optional<BodySkipper> body;
    int answered = 0;

    std::string output;
    std::shared_ptr<const std::string> outputBody;
    std::size_t sent = 0;
    bool closeAfterAnswer = false;
    std::size_t lingered = 0;
};

void Responder::answer(HttpResponse response) const {
    m_loop->post(m_connection, std::move(response));
}

ConnectionLoop::ConnectionLoop(SSL_CTX* tls, LoopLimits limits, RequestHandler handler)
    : m_tls(tls), m_limits(limits), m_handler(std::move(handler)) {}

ConnectionLoop::~ConnectionLoop() {
    for (auto& [id, connection] : m_connections) {
        close(*connection);
    }
    for (const int descriptor : {m_listener, m_epoll, m_wakeup}) {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
    }
}

bool ConnectionLoop::listen(const std::string& host, int port, std::string& reason) {
    reason = "cannot listen on " + host + ":" + std::to_string(port);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return false;
    }
    for (const addrinfo* candidate = found; candidate && m_listener < 0;
         candidate = candidate->ai_next) {
        const int listener = ::socket(candidate->ai_family,
                                      candidate->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        const int yes = 1;
        if (listener >= 0 &&
            ::setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes) == 0 &&
            ::bind(listener, candidate->ai_addr, candidate->ai_addrlen) == 0 &&
            ::listen(listener, SOMAXCONN) == 0) {
            m_listener = listener;
        } else if (listener >= 0) {
            ::close(listener);
        }
    }
    freeaddrinfo(found);
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    if (m_listener < 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        return false;
    }
    m_port =
        ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<const sockaddr_in6&>(bound).sin6_port
                                          : reinterpret_cast<const sockaddr_in&>(bound).sin_port);

    m_epoll = ::epoll_create1(EPOLL_CLOEXEC);
    m_wakeup = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event listening{EPOLLIN, {.u64 = kListenerId}};
    epoll_event waking{EPOLLIN, {.u64 = kWakeupId}};
    if (m_epoll < 0 || m_wakeup < 0 ||
        ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_listener, &listening) != 0 ||
        ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_wakeup, &waking) != 0) {
        reason = "cannot watch the connections";
        return false;
    }
    rlimit descriptors{};
    if (::getrlimit(RLIMIT_NOFILE, &descriptors) == 0 && descriptors.rlim_cur != RLIM_INFINITY &&
        descriptors.rlim_cur > 2 * kReservedDescriptors) {
        m_limits.connectionLimit = std::min<std::size_t>(
            m_limits.connectionLimit, descriptors.rlim_cur - kReservedDescriptors);
    }
    return true;
}

bool ConnectionLoop::run() {
    if (m_epoll < 0) {
        return false;
    }
    m_lastSweep = Clock::now();
    epoll_event events[64];
    while (!m_stopRequested) {
        const int count = ::epoll_wait(m_epoll, events, 64, kWaitMilliseconds);
        if (count < 0 && errno != EINTR) {
            return false;
        }
        for (int i = 0; i < count; ++i) {
            const std::uint64_t id = events[i].data.u64;
            if (id == kListenerId) {
                acceptConnections();
            } else if (id == kWakeupId) {
                std::uint64_t ignored = 0;
                [[maybe_unused]] const auto read = ::read(m_wakeup, &ignored, sizeof ignored);
            } else if (const auto found = m_connections.find(id); found != m_connections.end()) {
                onEvent(*found->second, events[i].events);
            }
        }
        deliverAnswers();
        if (Clock::now() - m_lastSweep >= kSweepInterval) {
            closeExpired();
        }
        closeMarked();
    }
    for (auto& [id, connection] : m_connections) {
        close(*connection);
    }
    closeMarked();
    return true;
}

void ConnectionLoop::stop() {
    m_stopRequested = true;
    wake();
}

void ConnectionLoop::wake() {
    if (m_wakeup >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(m_wakeup, &one, sizeof one);
    }
}

void ConnectionLoop::post(std::uint64_t connection, HttpResponse response) {
    {
        const std::lock_guard lock(m_answersMutex);
        m_answers.emplace_back(connection, std::move(response));
    }
    wake();
}

void ConnectionLoop::acceptConnections() {
    for (;;) {
        sockaddr_storage peer{};
        socklen_t length = sizeof peer;
        const int client = ::accept4(m_listener, reinterpret_cast<sockaddr*>(&peer), &length,
                                     SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0) {
            if (errno == EINTR || errno == ECONNABORTED) {
                continue;
            }
            if ((errno == EMFILE || errno == ENFILE) && makeRoom()) {
                closeMarked();
                continue;
            }
            return;
        }
        if (m_connections.size() - m_closing.size() >= m_limits.connectionLimit && !makeRoom()) {
            ::close(client);
            continue;
        }
        const int yes = 1;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
        SSL* ssl = SSL_new(m_tls);
        if (!ssl || SSL_set_fd(ssl, client) != 1) {
            SSL_free(ssl);
            ::close(client);
            continue;
        }
        SSL_set_accept_state(ssl);
        auto connection = std::make_unique<Connection>();
        connection->id = m_nextId++;
        connection->socket = client;
        connection->ssl = ssl;
        connection->address = addressText(peer);
        connection->deadline = Clock::now() + m_limits.deadline;
        epoll_event event{EPOLLIN, {.u64 = connection->id}};
        if (::epoll_ctl(m_epoll, EPOLL_CTL_ADD, client, &event) != 0) {
            SSL_free(ssl);
            ::close(client);
            continue;
        }
        connection->watched = EPOLLIN;
        m_connections.emplace(connection->id, std::move(connection));
    }
}

bool ConnectionLoop::makeRoom() {
    // Connections that are being answered are kept; of the others, the one closest to its
    // deadline has waited longest, and one that is only lingering goes first.
    Connection* oldest = nullptr;
    for (auto& [id, connection] : m_connections) {
        Connection& candidate = *connection;
        if (candidate.closed || candidate.phase == Connection::Phase::Answering ||
            candidate.phase == Connection::Phase::Writing) {
            continue;
        }
        const auto key = [](const Connection& c) {
            return std::pair(c.phase != Connection::Phase::Lingering, c.deadline);
        };
        if (!oldest || key(candidate) < key(*oldest)) {
            oldest = &candidate;
        }
    }
    if (oldest) {
        close(*oldest);
    }
    return oldest != nullptr;
}

void ConnectionLoop::onEvent(Connection& connection, std::uint32_t events) {
    if (connection.closed) {
        return;
    }
    switch (connection.phase) {
        case Connection::Phase::Handshake:
            continueHandshake(connection);
            break;
        case Connection::Phase::Idle:
        case Connection::Phase::Request:
            readRequests(connection);
            break;
        case Connection::Phase::Answering:
            // Nothing is watched while the answer is made; only a hang-up is reported.
            if (events & (EPOLLHUP | EPOLLERR)) {
                close(connection);
            }
            break;
        case Connection::Phase::Writing:
            writeAnswer(connection);
            break;
        case Connection::Phase::Lingering:
            drainLingering(connection);
            break;
    }
}

void ConnectionLoop::continueHandshake(Connection& connection) {
    ERR_clear_error();
    const int result = SSL_do_handshake(connection.ssl);
    if (result == 1) {
        awaitNextRequest(connection);
        return;
    }
    waitForTls(connection, result);
}

void ConnectionLoop::awaitNextRequest(Connection& connection) {
    connection.phase = Connection::Phase::Idle;
    connection.deadline = Clock::now() + m_limits.deadline;
    connection.headRead = false;
    connection.request = HttpRequest();
    connection.body.reset();
    connection.output = std::string();
    connection.outputBody.reset();
    watch(connection, EPOLLIN);
    // What a client sent ahead, and what TLS has already decrypted, wakes no one.
    readRequests(connection);
}

void ConnectionLoop::readRequests(Connection& connection) {
    processInput(connection);
    while (!connection.closed && (connection.phase == Connection::Phase::Idle ||
                                  connection.phase == Connection::Phase::Request)) {
        if (!readChunk(connection)) {
            return;
        }
        processInput(connection);
    }
}

bool ConnectionLoop::readChunk(Connection& connection) {
    // Never more than a head, a body part and one read; the parsers refuse long before.
    if (connection.input.size() > m_limits.head.total + m_limits.bodyLimit) {
        close(connection);
        return false;
    }
    char buffer[kChunk];
    ERR_clear_error();
    const int received = SSL_read(connection.ssl, buffer, sizeof buffer);
    if (received > 0) {
        connection.input.append(buffer, static_cast<std::size_t>(received));
        return true;
    }
    waitForTls(connection, received);
    return false;
}

void ConnectionLoop::processInput(Connection& connection) {
    if (connection.phase == Connection::Phase::Idle) {
        if (connection.input.empty()) {
            return;
        }
        // The whole request must arrive within one deadline from its first byte.
        connection.phase = Connection::Phase::Request;
        connection.deadline = Clock::now() + m_limits.deadline;
    }
    if (connection.phase != Connection::Phase::Request) {
        return;
    }
    if (!connection.headRead) {
        HeadParse parse = parseRequestHead(connection.input, m_limits.head);
        if (parse.outcome == HeadParse::Outcome::Incomplete) {
            return;
        }
        if (parse.outcome == HeadParse::Outcome::Refused) {
            refuse(connection, parse.status);
            return;
        }
        connection.input.erase(0, parse.length);
        connection.request = std::move(parse.request);
        connection.headRead = true;
        connection.body.emplace(connection.request, m_limits.bodyLimit);
    }
    switch (connection.body->consume(connection.input)) {
        case BodySkipper::Step::NeedMore:
            return;
        case BodySkipper::Step::TooLarge:
            refuse(connection, 413);
            return;
        case BodySkipper::Step::Malformed:
            refuse(connection, 400);
            return;
        case BodySkipper::Step::Done:
            dispatch(connection);
    }
}

void ConnectionLoop::dispatch(Connection& connection) {
    connection.phase = Connection::Phase::Answering;
    connection.deadline = Clock::time_point::max();
    ++connection.answered;
    watch(connection, 0);
    try {
        m_handler(connection.request, connection.address, Responder(this, connection.id));
    } catch (...) {
        // An answer already given wins: later ones for the same request are ignored.
        post(connection.id, HttpResponse::text(500, "Internal Server Error"));
    }
}

void ConnectionLoop::deliverAnswers() {
    std::vector<std::pair<std::uint64_t, HttpResponse>> answers;
    {
        const std::lock_guard lock(m_answersMutex);
        answers.swap(m_answers);
    }
    for (auto& [id, response] : answers) {
        const auto found = m_connections.find(id);
        if (found == m_connections.end() || found->second->closed ||
            found->second->phase != Connection::Phase::Answering) {
            continue;
        }
        Connection& connection = *found->second;
        startAnswer(
            connection, std::move(response),
            !connection.request.keepAlive || connection.answered >= m_limits.requestsPerConnection);
    }
}

void ConnectionLoop::refuse(Connection& connection, int status) {
    startAnswer(connection, HttpResponse::text(status, "Error " + std::to_string(status)), true);
}

void ConnectionLoop::startAnswer(Connection& connection, HttpResponse response, bool close) {
    connection.closeAfterAnswer = close;
    connection.output = responseHead(response, !close);
    if (connection.request.method != "HEAD" && response.body) {
        if (response.body->size() <= kSmallBody) {
            connection.output += *response.body;
        } else {
            connection.outputBody = std::move(response.body);
        }
    }
    connection.sent = 0;
    connection.phase = Connection::Phase::Writing;
    connection.deadline = Clock::now() + m_limits.deadline;
    writeAnswer(connection);
}

void ConnectionLoop::writeAnswer(Connection& connection) {
    const std::string& head = connection.output;
    const std::size_t total =
        head.size() + (connection.outputBody ? connection.outputBody->size() : 0);
    while (connection.sent < total) {
        const char* data = connection.sent < head.size()
                               ? head.data() + connection.sent
                               : connection.outputBody->data() + (connection.sent - head.size());
        const std::size_t end = connection.sent < head.size() ? head.size() : total;
        const int size = static_cast<int>(std::min(end - connection.sent, kChunk));
        ERR_clear_error();
        const int written = SSL_write(connection.ssl, data, size);
        if (written > 0) {
            connection.sent += static_cast<std::size_t>(written);
            // A slow reader is given the deadline again for every part it takes.
            connection.deadline = Clock::now() + m_limits.deadline;
            continue;
        }
        waitForTls(connection, written);
        return;
    }
    if (connection.closeAfterAnswer) {
        startLingering(connection);
    } else {
        awaitNextRequest(connection);
    }
}

void ConnectionLoop::startLingering(Connection& connection) {
    ERR_clear_error();
    SSL_shutdown(connection.ssl);
    ::shutdown(connection.socket, SHUT_WR);
    connection.phase = Connection::Phase::Lingering;
    connection.deadline = Clock::now() + m_limits.lingering;
    connection.input = std::string();
    connection.output = std::string();
    connection.outputBody.reset();
    watch(connection, EPOLLIN);
}

void ConnectionLoop::drainLingering(Connection& connection) {
    // The client's remaining bytes are read past, not decrypted.
    char buffer[kChunk];
    for (;;) {
        const auto received = ::recv(connection.socket, buffer, sizeof buffer, 0);
        if (received > 0) {
            connection.lingered += static_cast<std::size_t>(received);
            if (connection.lingered > kLingerBytes) {
                close(connection);
                return;
            }
            continue;
        }
        if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            return;
        }
        close(connection);
        return;
    }
}

void ConnectionLoop::waitForTls(Connection& connection, int result) {
    // TLS may need to read in order to write and the other way round; anything else is the end
    // of the connection (the client closed it, or sent what is not TLS).
    switch (SSL_get_error(connection.ssl, result)) {
        case SSL_ERROR_WANT_READ:
            watch(connection, EPOLLIN);
            break;
        case SSL_ERROR_WANT_WRITE:
            watch(connection, EPOLLOUT);
            break;
        default:
            close(connection);
    }
}

void ConnectionLoop::watch(Connection& connection, std::uint32_t events) {
    if (connection.closed || connection.watched == events) {
        return;
    }
    epoll_event event{events, {.u64 = connection.id}};
    if (::epoll_ctl(m_epoll, EPOLL_CTL_MOD, connection.socket, &event) != 0) {
        close(connection);
        return;
    }
    connection.watched = events;
}

void ConnectionLoop::close(Connection& connection) {
    if (connection.closed) {
        return;
    }
    connection.closed = true;
    SSL_free(connection.ssl);
    connection.ssl = nullptr;
    ::close(connection.socket);
    connection.socket = -1;
    m_closing.push_back(connection.id);
}

void ConnectionLoop::closeExpired() {
    const auto now = Clock::now();
    m_lastSweep = now;
    for (auto& [id, connection] : m_connections) {
        if (!connection->closed && connection->deadline <= now) {
            close(*connection);
        }
    }
}

void ConnectionLoop::closeMarked() {
    for (const auto id : m_closing) {
        m_connections.erase(id);
    }
    m_closing.clear();
}

}  // namespace quorvane::service
