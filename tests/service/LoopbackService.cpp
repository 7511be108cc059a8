// SPDX-License-Identifier: MIT
#include "LoopbackService.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

#include "service/UserFile.h"

namespace quorvane::test {

namespace {

// The hashes of a real users file are deliberately slow; tests need not be.
constexpr int kTestIterations = 1000;

TestCertificate makeCertificate(const TempFolder& folder, const std::string& name,
                                const std::string& subject = "/CN=127.0.0.1",
                                const std::string& altName = "IP:127.0.0.1") {
    TestCertificate certificate{folder.str() + "/" + name + ".pem",
                                folder.str() + "/" + name + ".key"};
    const std::string command =
        "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 2 "
        "-subj " +
        subject + " -addext subjectAltName=" + altName + " -keyout '" + certificate.keyFile +
        "' -out '" + certificate.certFile + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "openssl could not make a test certificate";
    }
    return certificate;
}

const TempFolder& certificateFolder() {
    static const TempFolder folder;
    return folder;
}

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

}  // namespace

const TestCertificate& trustedCertificate() {
    static const TestCertificate certificate = makeCertificate(certificateFolder(), "trusted");
    return certificate;
}

const TestCertificate& untrustedCertificate() {
    static const TestCertificate certificate = makeCertificate(certificateFolder(), "untrusted");
    return certificate;
}

const TestCertificate& otherHostCertificate() {
    static const TestCertificate certificate = makeCertificate(
        certificateFolder(), "otherhost", "/CN=stats.example.org", "DNS:stats.example.org");
    return certificate;
}

LoopbackService::LoopbackService(const std::string& user, const std::string& password,
                                 const std::string& version, const TestCertificate& certificate) {
    start(user, password, version, certificate, {});
}

LoopbackService::LoopbackService(const std::function<void(service::ServiceConfig&)>& adjust) {
    start("coach", "s3cret", "1303", trustedCertificate(), adjust);
}

void LoopbackService::start(const std::string& user, const std::string& password,
                            const std::string& version, const TestCertificate& certificate,
                            const std::function<void(service::ServiceConfig&)>& adjust) {
    service::ServiceConfig config;
    config.port = 0;
    config.certFile = certificate.certFile;
    config.keyFile = certificate.keyFile;
    config.version = version;
    config.projectionsFile = m_folder.str() + "/projections.csv";
    config.usersFile = m_folder.str() + "/users.txt";
    config.ioTimeout = std::chrono::seconds(3);
    if (adjust) {
        adjust(config);
    }
    std::ofstream(config.projectionsFile, std::ios::binary) << kServedProjections;
    std::string reason;
    if (!service::addUser(config.usersFile, user, password, reason, kTestIterations)) {
        ADD_FAILURE() << reason;
        return;
    }
    m_service = std::make_unique<service::ProjectionService>(config);
    if (!m_service->start(reason)) {
        ADD_FAILURE() << reason;
        return;
    }
    m_started = true;
    m_thread = std::thread([this] { m_service->serve(); });
}

LoopbackService::~LoopbackService() {
    if (m_service) {
        m_service->stop();
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

int listenOnLoopback(int& port) {
    const int listening = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    socklen_t length = sizeof address;
    if (listening < 0 || ::bind(listening, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listening, 8) != 0 ||
        ::getsockname(listening, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ADD_FAILURE() << "could not listen on loopback";
        if (listening >= 0) {
            ::close(listening);
        }
        return -1;
    }
    port = ntohs(address.sin_port);
    return listening;
}

ClosingServer::ClosingServer(int connections, int seconds) {
    m_socket = listenOnLoopback(m_port);
    if (m_socket < 0) {
        return;
    }
    m_thread = std::thread([this, connections, seconds] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        for (int served = 0;
             served < connections && !m_stop && std::chrono::steady_clock::now() < deadline;) {
            pollfd waiting{m_socket, POLLIN, 0};
            if (::poll(&waiting, 1, 100) > 0) {
                const int client = ::accept(m_socket, nullptr, nullptr);
                if (client >= 0) {
                    ::close(client);
                    ++served;
                }
            }
        }
    });
}

ClosingServer::~ClosingServer() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (m_socket >= 0) {
        ::close(m_socket);
    }
}

void sendRawBytes(int port, const std::string& bytes) {
    const int client = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(port);
    if (client >= 0 &&
        ::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        ::send(client, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    }
    if (client >= 0) {
        ::close(client);
    }
}

}  // namespace quorvane::test
