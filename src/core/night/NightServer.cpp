// SPDX-License-Identifier: MIT
#include "night/NightServer.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

#include <atomic>
#include <csignal>
#include <deque>
#include <future>
#include <list>

#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/signal_set.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/websocket.hpp>

#include "night/NightHost.h"
#include "night/NightRoutes.h"

namespace quorvane {

namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
namespace websocket = beast::websocket;
using tcp = asio::ip::tcp;
using error_code = boost::system::error_code;

// How often the host looks at the clock and at other programs' writes when nothing is due.
constexpr std::chrono::milliseconds kTickEvery{200};
constexpr int kRequestsPerConnection = 100;
constexpr std::size_t kScreenMessageLimit = 1024;
constexpr std::chrono::seconds kScreenIdle{60};

}  // namespace

class ScreenSession;

struct NightServer::State {
    State(NightHost& nightHost, NightServerSettings serverSettings)
        : host(nightHost),
          settings(std::move(serverSettings)),
          routes(nightHost, settings.pagesFolder),
          ticker(io),
          signals(io) {}

    void accept(tcp::acceptor& acceptor);
    void scheduleTick();
    // Sends the room's state to every open screen when it changed since they were last sent it:
    // a refused request may still have moved the room on (a lot that ran out meanwhile).
    void broadcastChanges();

    NightHost& host;
    NightServerSettings settings;
    NightRoutes routes;
    asio::io_context io{1};
    std::list<tcp::acceptor> acceptors;
    asio::steady_timer ticker;
    asio::signal_set signals;
    std::list<std::weak_ptr<ScreenSession>> screens;
    std::size_t connections = 0;
    std::uint64_t broadcastVersion = 0;
    std::function<void(std::uint64_t)> changed;
};

namespace {

using Request = http::request<http::string_body>;

std::string headerOf(const Request& request, http::field field) {
    const auto found = request.find(field);
    return found == request.end() ? std::string() : std::string(found->value());
}

NightRequest nightRequestOf(const Request& request, const std::string& address) {
    NightRequest night;
    night.method = std::string(request.method_string());
    night.target = std::string(request.target());
    night.authorization = headerOf(request, http::field::authorization);
    night.cookie = headerOf(request, http::field::cookie);
    night.contentType = headerOf(request, http::field::content_type);
    night.origin = headerOf(request, http::field::origin);
    night.host = headerOf(request, http::field::host);
    night.body = request.body();
    night.address = address;
    return night;
}

// Counts a connection against the limit for as long as it lives.
class ConnectionCount {
  public:
    explicit ConnectionCount(std::size_t& count) : m_count(count) { ++m_count; }
    ~ConnectionCount() { --m_count; }
    ConnectionCount(const ConnectionCount&) = delete;
    ConnectionCount& operator=(const ConnectionCount&) = delete;

  private:
    std::size_t& m_count;
};

}  // namespace

// A screen that follows the room over a WebSocket: it is sent the state on connecting and after
// every change, and sends nothing that matters.
class ScreenSession : public std::enable_shared_from_this<ScreenSession> {
  public:
    ScreenSession(tcp::socket socket, NightServer::State& state)
        : m_socket(std::move(socket)), m_state(state), m_count(state.connections) {}

    void accept(Request request) {
        m_request = std::move(request);
        // A phone that went away without closing is found by the pings and its place freed.
        auto timeouts = websocket::stream_base::timeout::suggested(beast::role_type::server);
        timeouts.idle_timeout = kScreenIdle;
        timeouts.keep_alive_pings = true;
        m_socket.set_option(timeouts);
        m_socket.read_message_max(kScreenMessageLimit);
        m_socket.async_accept(m_request, [self = shared_from_this()](const error_code& error) {
            if (!error) {
                self->m_state.screens.push_back(self);
                self->send(std::make_shared<const std::string>(
                    self->m_state.host.stateJson(NightServer::wallClockMs())));
                self->read();
            }
        });
    }

    void send(std::shared_ptr<const std::string> text) {
        if (m_queue.size() >= m_state.settings.sendQueueLimit) {
            // Too far behind to be worth catching up message by message.
            beast::get_lowest_layer(m_socket).close();
            return;
        }
        m_queue.push_back(std::move(text));
        if (m_queue.size() == 1) {
            writeNext();
        }
    }

  private:
    void read() {
        m_socket.async_read(m_buffer,
                            [self = shared_from_this()](const error_code& error, std::size_t) {
                                if (error) {
                                    return;
                                }
                                self->m_buffer.clear();
                                self->read();
                            });
    }

    void writeNext() {
        m_socket.text(true);
        m_socket.async_write(asio::buffer(*m_queue.front()),
                             [self = shared_from_this()](const error_code& error, std::size_t) {
                                 if (error) {
                                     self->m_queue.clear();
                                     return;
                                 }
                                 self->m_queue.pop_front();
                                 if (!self->m_queue.empty()) {
                                     self->writeNext();
                                 }
                             });
    }

    websocket::stream<beast::tcp_stream> m_socket;
    NightServer::State& m_state;
    ConnectionCount m_count;
    Request m_request;
    beast::flat_buffer m_buffer;
    std::deque<std::shared_ptr<const std::string>> m_queue;
};

namespace {

// One HTTP connection: requests answered in turn until the client closes, a deadline passes or
// a WebSocket takes the connection over.
class HttpSession : public std::enable_shared_from_this<HttpSession> {
  public:
    HttpSession(tcp::socket socket, NightServer::State& state)
        : m_stream(std::move(socket)), m_state(state), m_count(state.connections) {
        error_code error;
        const auto peer = m_stream.socket().remote_endpoint(error);
        m_address = error ? std::string("unknown") : peer.address().to_string();
    }

    void readRequest() {
        m_parser.emplace();
        m_parser->header_limit(static_cast<std::uint32_t>(m_state.settings.headLimit));
        m_parser->body_limit(m_state.settings.bodyLimit);
        m_stream.expires_after(m_state.settings.deadline);
        http::async_read(m_stream, m_buffer, *m_parser,
                         [self = shared_from_this()](const error_code& error, std::size_t) {
                             self->onRequest(error);
                         });
    }

  private:
    void onRequest(const error_code& error) {
        if (error == http::error::header_limit || error == http::error::body_limit) {
            NightResponse tooLarge;
            tooLarge.status = 413;
            tooLarge.body = R"({"error":"The request is too large"})";
            write(std::move(tooLarge), false);
            return;
        }
        if (error) {
            shutdown();
            return;
        }
        Request request = m_parser->release();
        const NightRequest night = nightRequestOf(request, m_address);
        const std::int64_t now = NightServer::wallClockMs();
        if (websocket::is_upgrade(request)) {
            if (night.target.substr(0, night.target.find('?')) != "/ws") {
                write(NightResponse{404, "application/json", R"({"error":"Nothing here"})", {}},
                      false);
                return;
            }
            if (auto refusal = m_state.routes.refuseUpgrade(night, now)) {
                write(std::move(*refusal), false);
                return;
            }
            m_stream.expires_never();
            std::make_shared<ScreenSession>(m_stream.release_socket(), m_state)
                ->accept(std::move(request));
            return;
        }
        NightResponse response = m_state.routes.answer(night, now);
        m_state.broadcastChanges();
        ++m_served;
        write(std::move(response), request.keep_alive() && m_served < kRequestsPerConnection);
    }

    void write(NightResponse answer, bool keepAlive) {
        auto response = std::make_shared<http::response<http::string_body>>(
            static_cast<http::status>(answer.status), 11);
        response->set(http::field::content_type, answer.contentType);
        response->set(http::field::cache_control, "no-store");
        response->set("X-Content-Type-Options", "nosniff");
        response->set("X-Frame-Options", "DENY");
        response->set("Referrer-Policy", "no-referrer");
        response->set("Content-Security-Policy",
                      "default-src 'self'; connect-src 'self'; img-src 'self' data:; "
                      "frame-ancestors 'none'");
        for (const auto& [name, value] : answer.headers) {
            if (beast::iequals(name, "Content-Security-Policy")) {
                response->set("Content-Security-Policy", value);
            } else {
                response->insert(name, value);
            }
        }
        response->body() = std::move(answer.body);
        response->keep_alive(keepAlive);
        response->prepare_payload();
        m_stream.expires_after(m_state.settings.deadline);
        http::async_write(
            m_stream, *response,
            [self = shared_from_this(), response, keepAlive](const error_code& error, std::size_t) {
                if (!error && keepAlive) {
                    self->readRequest();
                } else {
                    self->shutdown();
                }
            });
    }

    void shutdown() {
        error_code ignored;
        m_stream.socket().shutdown(tcp::socket::shutdown_send, ignored);
    }

    beast::tcp_stream m_stream;
    NightServer::State& m_state;
    ConnectionCount m_count;
    std::string m_address;
    beast::flat_buffer m_buffer;
    std::optional<http::request_parser<http::string_body>> m_parser;
    int m_served = 0;
};

std::string boardAddressOf(const tcp::endpoint& endpoint) {
    const asio::ip::address address = endpoint.address();
    const std::string host =
        address.is_v6() ? "[" + address.to_string() + "]" : address.to_string();
    return "http://" + host + ":" + std::to_string(endpoint.port()) + "/";
}

}  // namespace

void NightServer::State::accept(tcp::acceptor& acceptor) {
    acceptor.async_accept([this, &acceptor](const error_code& error, tcp::socket socket) {
        if (error == asio::error::operation_aborted) {
            return;
        }
        if (!error) {
            if (connections < settings.connectionLimit) {
                // Small answers and pushes go out at once, not after the peer's delayed ack.
                error_code ignored;
                socket.set_option(tcp::no_delay(true), ignored);
                std::make_shared<HttpSession>(std::move(socket), *this)->readRequest();
            } else {
                error_code ignored;
                socket.close(ignored);
            }
        }
        accept(acceptor);
    });
}

void NightServer::State::scheduleTick() {
    const std::int64_t now = wallClockMs();
    auto wait = kTickEvery;
    if (const auto due = host.nextDeadline(now); due && *due < wait.count()) {
        wait = std::chrono::milliseconds(*due);
    }
    ticker.expires_after(wait);
    ticker.async_wait([this](const error_code& error) {
        if (error) {
            return;
        }
        host.tick(wallClockMs());
        broadcastChanges();
        scheduleTick();
    });
}

void NightServer::State::broadcastChanges() {
    if (host.version() == broadcastVersion) {
        return;
    }
    broadcastVersion = host.version();
    const auto text = std::make_shared<const std::string>(host.stateJson(wallClockMs()));
    for (auto screen = screens.begin(); screen != screens.end();) {
        if (auto open = screen->lock()) {
            open->send(text);
            ++screen;
        } else {
            screen = screens.erase(screen);
        }
    }
    if (changed) {
        changed(host.version());
    }
}

NightServer::NightServer(NightHost& host, NightServerSettings settings)
    : m_state(std::make_unique<State>(host, std::move(settings))) {}

NightServer::~NightServer() = default;

bool NightServer::listen(std::string& reason) {
    for (const std::string& text : m_state->settings.addresses) {
        error_code error;
        const asio::ip::address address = asio::ip::make_address(text, error);
        if (error) {
            reason = "Not an address to listen on: " + text;
            return false;
        }
        tcp::acceptor& acceptor = m_state->acceptors.emplace_back(m_state->io);
        const tcp::endpoint endpoint(address, static_cast<unsigned short>(m_state->settings.port));
        acceptor.open(endpoint.protocol(), error);
        if (!error) {
            acceptor.set_option(asio::socket_base::reuse_address(true), error);
        }
        if (!error) {
            acceptor.bind(endpoint, error);
        }
        if (!error) {
            acceptor.listen(asio::socket_base::max_listen_connections, error);
        }
        if (error) {
            reason = "Cannot listen on " + text + " port " +
                     std::to_string(m_state->settings.port) + ": " + error.message();
            return false;
        }
        // Every address shares the first one's port, so one code card fits them all.
        if (m_state->settings.port == 0) {
            m_state->settings.port = acceptor.local_endpoint().port();
        }
    }
    if (m_state->acceptors.empty()) {
        reason = "No address to listen on";
        return false;
    }
    return true;
}

int NightServer::port() const {
    return m_state->settings.port;
}

std::vector<std::string> NightServer::boardAddresses() const {
    std::vector<std::string> addresses;
    for (const tcp::acceptor& acceptor : m_state->acceptors) {
        error_code error;
        const auto endpoint = acceptor.local_endpoint(error);
        if (!error) {
            addresses.push_back(boardAddressOf(endpoint));
        }
    }
    return addresses;
}

void NightServer::run() {
    for (tcp::acceptor& acceptor : m_state->acceptors) {
        m_state->accept(acceptor);
    }
    m_state->broadcastVersion = m_state->host.version();
    m_state->scheduleTick();
    if (m_state->settings.stopOnInterrupt) {
        m_state->signals.add(SIGINT);
        m_state->signals.add(SIGTERM);
        m_state->signals.async_wait([this](const error_code& error, int) {
            if (!error) {
                m_state->io.stop();
            }
        });
    }
    m_state->io.run();
}

void NightServer::stop() {
    m_state->io.stop();
}

void NightServer::withHost(const std::function<void(NightHost&)>& work) {
    std::promise<void> done;
    asio::post(m_state->io, [&] {
        work(m_state->host);
        done.set_value();
    });
    done.get_future().wait();
}

void NightServer::onChange(std::function<void(std::uint64_t)> changed) {
    m_state->changed = std::move(changed);
}

std::int64_t NightServer::wallClockMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool isLocalNetworkAddress(const std::string& text) {
    error_code error;
    const asio::ip::address address = asio::ip::make_address(text, error);
    if (error) {
        return false;
    }
    if (address.is_v4()) {
        const auto bytes = address.to_v4().to_bytes();
        return bytes[0] == 10 || (bytes[0] == 172 && (bytes[1] & 0xF0) == 16) ||
               (bytes[0] == 192 && bytes[1] == 168);
    }
    return (address.to_v6().to_bytes()[0] & 0xFE) == 0xFC;
}

std::vector<std::string> localNetworkAddresses() {
    std::vector<std::string> found;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return found;
    }
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || (entry->ifa_flags & IFF_UP) == 0) {
            continue;
        }
        char text[INET6_ADDRSTRLEN] = {};
        const int family = entry->ifa_addr->sa_family;
        const void* raw = nullptr;
        if (family == AF_INET) {
            raw = &reinterpret_cast<const sockaddr_in*>(entry->ifa_addr)->sin_addr;
        } else if (family == AF_INET6) {
            raw = &reinterpret_cast<const sockaddr_in6*>(entry->ifa_addr)->sin6_addr;
        }
        if (raw != nullptr && inet_ntop(family, raw, text, sizeof text) != nullptr &&
            isLocalNetworkAddress(text)) {
            found.emplace_back(text);
        }
    }
    freeifaddrs(list);
    return found;
}

}  // namespace quorvane
