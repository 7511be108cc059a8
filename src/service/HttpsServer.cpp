// SPDX-License-Identifier: MIT
#include "service/HttpsServer.h"

#include <sys/resource.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/ssl/context.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/thread_pool.hpp>

#include <atomic>
#include <list>

#include "service/HttpsSession.h"

namespace quorvane::service {

namespace asio = boost::asio;
using tcp = asio::ip::tcp;

namespace {

// File descriptors the process keeps for itself beside its connections.
constexpr rlim_t kReservedDescriptors = 32;

bool setUpTls(asio::ssl::context& tls, const ServerSettings& settings) {
    SSL_CTX* context = tls.native_handle();
    const bool usable =
        SSL_CTX_set_min_proto_version(context, TLS1_2_VERSION) == 1 &&
        SSL_CTX_set_cipher_list(context,
                                "ECDHE-ECDSA-AES128-GCM-SHA256:ECDHE-RSA-AES128-GCM-SHA256:"
                                "ECDHE-ECDSA-AES256-GCM-SHA384:ECDHE-RSA-AES256-GCM-SHA384:"
                                "ECDHE-ECDSA-CHACHA20-POLY1305:ECDHE-RSA-CHACHA20-POLY1305") == 1 &&
        SSL_CTX_set_ciphersuites(context,
                                 "TLS_AES_128_GCM_SHA256:TLS_AES_256_GCM_SHA384:"
                                 "TLS_CHACHA20_POLY1305_SHA256") == 1 &&
        SSL_CTX_use_certificate_chain_file(context, settings.certFile.c_str()) == 1 &&
        SSL_CTX_use_PrivateKey_file(context, settings.keyFile.c_str(), SSL_FILETYPE_PEM) == 1 &&
        SSL_CTX_check_private_key(context) == 1;
    SSL_CTX_set_options(
        context, SSL_OP_NO_COMPRESSION | SSL_OP_NO_RENEGOTIATION | SSL_OP_CIPHER_SERVER_PREFERENCE);
    // Idle connections give their TLS buffers back.
    SSL_CTX_set_mode(context, SSL_MODE_RELEASE_BUFFERS);
    return usable;
}

}  // namespace

struct HttpsServer::State {
    State(ServerSettings serverSettings, RequestHandler requestHandler)
        : settings(std::move(serverSettings)),
          handler(std::move(requestHandler)),
          pool(std::max(1U, settings.slowWorkThreads)) {
        limits.deadline = settings.deadline;
        limits.request.head = settings.headLimit;
        limits.request.body = settings.bodyLimit;
    }
    ~State() {
        // The slow work answers through the connections: it ends before they do.
        pool.stop();
        pool.join();
    }

    void accept();
    bool makeRoom();

    // The connections use these until the context below has ended them.
    ServerSettings settings;
    RequestHandler handler;
    SessionLimits limits;
    DownloadSlots downloads{settings.downloadLimit};
    asio::ssl::context tls{asio::ssl::context::tls_server};
    asio::io_context io{1};
    tcp::acceptor acceptor{io};
    asio::steady_timer retry{io};
    std::list<std::weak_ptr<HttpsSession>> sessions;
    int port = 0;
    std::atomic<std::size_t> waiting{0};
    asio::thread_pool pool;
};

void HttpsServer::State::accept() {
    acceptor.async_accept([this](const boost::system::error_code& error, tcp::socket socket) {
        if (error == asio::error::operation_aborted) {
            return;
        }
        if (error == asio::error::connection_aborted) {
            return accept();
        }
        if (error) {
            // Out of file descriptors: room is made, or the next try waits a moment.
            const bool outOfDescriptors =
                error == asio::error::no_descriptors ||
                error == boost::system::errc::too_many_files_open_in_system;
            if (outOfDescriptors && makeRoom()) {
                return accept();
            }
            retry.expires_after(std::chrono::milliseconds(100));
            return retry.async_wait([this](const boost::system::error_code& stopped) {
                if (!stopped) {
                    accept();
                }
            });
        }
        sessions.remove_if([](const auto& session) {
            const auto alive = session.lock();
            return !alive || alive->phase() == HttpsSession::Phase::Closed;
        });
        if (sessions.size() < settings.connectionLimit || makeRoom()) {
            try {
                auto session = std::make_shared<HttpsSession>(std::move(socket), tls, limits,
                                                              handler, downloads);
                sessions.push_back(session);
                session->start();
            } catch (const std::exception&) {
                // Without memory for its TLS state only this connection is lost.
            }
        }
        accept();
    });
}

bool HttpsServer::State::makeRoom() {
    // Connections that are being answered are kept; of the others, the one closest to its
    // deadline has waited longest, and one that is only lingering goes first.
    std::shared_ptr<HttpsSession> oldest;
    const auto key = [](const HttpsSession& session) {
        return std::pair(session.phase() != HttpsSession::Phase::Lingering, session.deadline());
    };
    for (auto found = sessions.begin(); found != sessions.end();) {
        const auto session = found->lock();
        if (!session || session->phase() == HttpsSession::Phase::Closed) {
            found = sessions.erase(found);
            continue;
        }
        ++found;
        if (session->phase() != HttpsSession::Phase::Answering &&
            session->phase() != HttpsSession::Phase::Writing &&
            (!oldest || key(*session) < key(*oldest))) {
            oldest = session;
        }
    }
    if (oldest) {
        oldest->close();
    }
    return oldest != nullptr;
}

HttpsServer::HttpsServer(ServerSettings settings, RequestHandler handler)
    : m_state(std::make_unique<State>(std::move(settings), std::move(handler))) {}

HttpsServer::~HttpsServer() = default;

bool HttpsServer::listen(const std::string& host, int port, std::string& reason) {
    State& state = *m_state;
    if (!setUpTls(state.tls, state.settings)) {
        reason = "cannot use the certificate " + state.settings.certFile + " with the key " +
                 state.settings.keyFile;
        return false;
    }
    reason = "cannot listen on " + host + ":" + std::to_string(port);
    boost::system::error_code error;
    tcp::resolver resolver(state.io);
    const auto endpoints = resolver.resolve(
        host, std::to_string(port), tcp::resolver::passive | tcp::resolver::numeric_service, error);
    for (const auto& endpoint : endpoints) {
        state.acceptor.close(error);
        state.acceptor.open(endpoint.endpoint().protocol(), error);
        if (!error) {
            state.acceptor.set_option(tcp::acceptor::reuse_address(true), error);
            state.acceptor.bind(endpoint.endpoint(), error);
        }
        if (!error) {
            state.acceptor.listen(asio::socket_base::max_listen_connections, error);
        }
        if (!error) {
            break;
        }
    }
    if (error || !state.acceptor.is_open()) {
        return false;
    }
    state.port = state.acceptor.local_endpoint().port();
    rlimit descriptors{};
    if (::getrlimit(RLIMIT_NOFILE, &descriptors) == 0 && descriptors.rlim_cur != RLIM_INFINITY &&
        descriptors.rlim_cur > 2 * kReservedDescriptors) {
        state.settings.connectionLimit = std::min<std::size_t>(
            state.settings.connectionLimit, descriptors.rlim_cur - kReservedDescriptors);
    }
    state.downloads.setLimit(std::max<std::size_t>(
        1, std::min(state.settings.downloadLimit, state.settings.connectionLimit / 2)));
    return true;
}

int HttpsServer::port() const {
    return m_state->port;
}

bool HttpsServer::run() {
    if (!m_state->acceptor.is_open()) {
        return false;
    }
    m_state->accept();
    m_state->io.run();
    return true;
}

void HttpsServer::stop() {
    m_state->io.stop();
}

bool HttpsServer::runBeside(std::function<void()> job) {
    State& state = *m_state;
    if (++state.waiting > state.settings.slowWorkQueue) {
        --state.waiting;
        return false;
    }
    asio::post(state.pool, [&state, job = std::move(job)] {
        --state.waiting;
        job();
    });
    return true;
}

}  // namespace quorvane::service
