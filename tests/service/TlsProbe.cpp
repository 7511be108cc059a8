// SPDX-License-Identifier: MIT
#include "TlsProbe.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <openssl/ssl.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <csignal>

namespace quorvane::test {

TlsProbe::TlsProbe(int port, std::chrono::milliseconds timeout) {
    // A probe writes on after the service has closed on it; that must fail, not end the program.
    static const bool pipeSignalIgnored = std::signal(SIGPIPE, SIG_IGN) != SIG_ERR;
    (void)pipeSignalIgnored;
    m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_socket < 0) {
        return;
    }
    timeval limit{};
    limit.tv_sec = static_cast<time_t>(timeout.count() / 1000);
    limit.tv_usec = static_cast<suseconds_t>(timeout.count() % 1000 * 1000);
    ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(m_socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(m_socket);
        m_socket = -1;
    }
}

TlsProbe::~TlsProbe() {
    SSL_free(m_ssl);
    SSL_CTX_free(m_context);
    if (m_socket >= 0) {
        ::close(m_socket);
    }
}

bool TlsProbe::handshake(const TlsOffer& offer) {
    if (m_socket < 0 || m_ssl) {
        return false;
    }
    m_context = SSL_CTX_new(TLS_client_method());
    if (!m_context) {
        return false;
    }
    SSL_CTX_set_verify(m_context, SSL_VERIFY_NONE, nullptr);
    // OpenSSL's default security level refuses the old versions a probe must be able to offer.
    SSL_CTX_set_security_level(m_context, 0);
    if ((offer.minVersion && !SSL_CTX_set_min_proto_version(m_context, offer.minVersion)) ||
        (offer.maxVersion && !SSL_CTX_set_max_proto_version(m_context, offer.maxVersion)) ||
        (!offer.tls12Ciphers.empty() &&
         !SSL_CTX_set_cipher_list(m_context, offer.tls12Ciphers.c_str()))) {
        return false;
    }
    m_ssl = SSL_new(m_context);
    return m_ssl && SSL_set_fd(m_ssl, m_socket) == 1 && SSL_connect(m_ssl) == 1;
}

std::string TlsProbe::cipher() const {
    return m_ssl ? SSL_get_cipher_name(m_ssl) : "";
}

bool TlsProbe::send(std::string_view bytes) {
    if (!m_ssl) {
        return false;
    }
    while (!bytes.empty()) {
        const int chunk = static_cast<int>(std::min<std::size_t>(bytes.size(), 1 << 16));
        const int written = SSL_write(m_ssl, bytes.data(), chunk);
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

int TlsProbe::readSome(char* buffer, int size) {
    return m_ssl ? SSL_read(m_ssl, buffer, size) : -1;
}

std::string TlsProbe::receiveResponse() {
    char buffer[16384];
    for (;;) {
        const auto headEnd = m_pending.find("\r\n\r\n");
        if (headEnd != std::string::npos) {
            const std::string length = headerOf(m_pending.substr(0, headEnd + 4), "Content-Length");
            std::size_t bodyLength = 0;
            std::from_chars(length.data(), length.data() + length.size(), bodyLength);
            const std::size_t total = headEnd + 4 + bodyLength;
            if (m_pending.size() >= total) {
                std::string response = m_pending.substr(0, total);
                m_pending.erase(0, total);
                return response;
            }
        }
        const int received = readSome(buffer, sizeof buffer);
        if (received <= 0) {
            return {};
        }
        m_pending.append(buffer, static_cast<std::size_t>(received));
    }
}

std::string TlsProbe::receiveHead() {
    char buffer[4096];
    for (;;) {
        if (const auto headEnd = m_pending.find("\r\n\r\n"); headEnd != std::string::npos) {
            return m_pending.substr(0, headEnd + 4);
        }
        const int received = readSome(buffer, sizeof buffer);
        if (received <= 0) {
            return {};
        }
        m_pending.append(buffer, static_cast<std::size_t>(received));
    }
}

bool TlsProbe::waitForClose() {
    char buffer[4096];
    for (;;) {
        const int received =
            m_ssl ? SSL_read(m_ssl, buffer, sizeof buffer) : ::recv(m_socket, buffer, 4096, 0);
        if (received > 0) {
            continue;
        }
        if (m_ssl) {
            const int error = SSL_get_error(m_ssl, received);
            if (error == SSL_ERROR_ZERO_RETURN) {
                return true;
            }
            if (error == SSL_ERROR_SYSCALL && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return false;
            }
            return error == SSL_ERROR_SYSCALL || error == SSL_ERROR_SSL;
        }
        return received == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
    }
}

int statusOf(std::string_view response) {
    int status = 0;
    if (response.starts_with("HTTP/1.") && response.size() >= 12) {
        std::from_chars(response.data() + 9, response.data() + 12, status);
    }
    return status;
}

std::string headerOf(std::string_view response, std::string_view name) {
    const auto lowered = [](std::string_view text) {
        std::string lower(text);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return lower;
    };
    // Up to and with the line end of the last header.
    const std::string head = lowered(response.substr(0, response.find("\r\n\r\n") + 2));
    const std::string key = "\r\n" + lowered(name) + ":";
    const auto at = head.find(key);
    if (at == std::string::npos) {
        return {};
    }
    std::size_t begin = at + key.size();
    const std::size_t end = head.find("\r\n", begin);
    while (begin < end && response[begin] == ' ') {
        ++begin;
    }
    return std::string(response.substr(begin, end - begin));
}

std::string getRequest(std::string_view target) {
    return "GET " + std::string(target) + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
}

}  // namespace quorvane::test
