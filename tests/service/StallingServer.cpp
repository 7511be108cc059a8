// SPDX-License-Identifier: MIT
#include "StallingServer.h"

#include <openssl/ssl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>

namespace quorvane::test {

namespace {

using SslContext = std::unique_ptr<SSL_CTX, decltype(&SSL_CTX_free)>;
using SslConnection = std::unique_ptr<SSL, decltype(&SSL_free)>;

// Answers the request with a head that promises more body than ever follows.
void sendPartOfAnAnswer(SSL_CTX* context, int client, std::vector<SslConnection>& sessions) {
    timeval patience{5, 0};
    ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
    SslConnection ssl(SSL_new(context), &SSL_free);
    SSL_set_fd(ssl.get(), client);
    if (SSL_accept(ssl.get()) != 1) {
        return;
    }
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        const int read = SSL_read(ssl.get(), buffer, sizeof buffer);
        if (read <= 0) {
            return;
        }
        request.append(buffer, static_cast<std::size_t>(read));
    }
    const std::string answer = "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n1303";
    SSL_write(ssl.get(), answer.data(), static_cast<int>(answer.size()));
    sessions.push_back(std::move(ssl));
}

}  // namespace

StallingServer::StallingServer(Stall stall, const TestCertificate& certificate) {
    m_socket = listenOnLoopback(m_port);
    if (m_socket >= 0) {
        m_thread = std::thread([this, stall, certificate] { serve(stall, certificate); });
    }
}

void StallingServer::serve(Stall stall, const TestCertificate& certificate) {
    SslContext context(SSL_CTX_new(TLS_server_method()), &SSL_CTX_free);
    if (!context ||
        SSL_CTX_use_certificate_chain_file(context.get(), certificate.certFile.c_str()) != 1 ||
        SSL_CTX_use_PrivateKey_file(context.get(), certificate.keyFile.c_str(), SSL_FILETYPE_PEM) !=
            1) {
        ADD_FAILURE() << "the stalling server could not load its certificate";
        return;
    }
    std::vector<SslConnection> sessions;
    while (!m_stop) {
        pollfd waiting{m_socket, POLLIN, 0};
        if (::poll(&waiting, 1, 100) <= 0) {
            continue;
        }
        const int client = ::accept(m_socket, nullptr, nullptr);
        if (client < 0) {
            continue;
        }
        m_held.push_back(client);
        if (stall == Stall::AfterHead) {
            sendPartOfAnAnswer(context.get(), client, sessions);
        }
    }
    sessions.clear();
    for (const int client : m_held) {
        ::close(client);
    }
}

StallingServer::~StallingServer() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (m_socket >= 0) {
        ::close(m_socket);
    }
}

}  // namespace quorvane::test
