// SPDX-License-Identifier: MIT
#include "RoomService.h"

#include <httplib.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace quorvane::test {

RoomService::RoomService(const TestCertificate& certificate) {
    m_server = std::make_unique<httplib::SSLServer>(certificate.certFile.c_str(),
                                                    certificate.keyFile.c_str());
    m_server->Get(R"(/.*)", [this](const httplib::Request& request, httplib::Response& response) {
        Answer answer;
        {
            const std::lock_guard lock(m_mutex);
            ++m_calls[request.path];
            std::map<std::string, std::string> headers;
            for (const auto& [name, value] : request.headers) {
                headers[name] = value;
            }
            m_requests.emplace_back(request.path, std::move(headers));
            const auto found = m_answers.find(request.path);
            if (found != m_answers.end()) {
                answer = found->second;
            }
        }
        Served served{404, "null", {}, std::chrono::milliseconds(0)};
        if (answer) {
            served = answer();
        }
        if (served.delay.count() > 0) {
            std::this_thread::sleep_for(served.delay);
        }
        response.status = served.status;
        for (const auto& [name, value] : served.headers) {
            response.set_header(name, value);
        }
        response.set_content(served.body, "application/json");
    });
    m_port = m_server->bind_to_any_port("127.0.0.1");
    if (m_port <= 0) {
        ADD_FAILURE() << "the room stand-in could not listen on loopback";
        return;
    }
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    for (int waited = 0; !m_server->is_running() && waited < 200; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

RoomService::~RoomService() {
    m_server->stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void RoomService::serve(const std::string& path, Answer answer) {
    const std::lock_guard lock(m_mutex);
    m_answers[path] = std::move(answer);
}

void RoomService::serve(const std::string& path, const std::string& body) {
    serve(path, [body] { return Served{200, body, {}, std::chrono::milliseconds(0)}; });
}

std::string RoomService::address(const std::string& prefix) const {
    return "https://127.0.0.1:" + std::to_string(m_port) + prefix;
}

int RoomService::calls(const std::string& path) const {
    const std::lock_guard lock(m_mutex);
    if (path.empty()) {
        return static_cast<int>(m_requests.size());
    }
    const auto found = m_calls.find(path);
    return found == m_calls.end() ? 0 : found->second;
}

std::vector<std::string> RoomService::headerValues(const std::string& path,
                                                   const std::string& name) const {
    const std::lock_guard lock(m_mutex);
    std::vector<std::string> values;
    for (const auto& [requestPath, headers] : m_requests) {
        if (requestPath == path) {
            const auto found = headers.find(name);
            values.push_back(found == headers.end() ? std::string() : found->second);
        }
    }
    return values;
}

AddressForTest::AddressForTest(const char* variable, const std::string& address)
    : m_variable(variable) {
    ::setenv(variable, address.c_str(), 1);
    ::setenv("QUORVANE_CA_BUNDLE", trustedCertificate().certFile.c_str(), 1);
}

AddressForTest::~AddressForTest() {
    ::unsetenv(m_variable);
    ::unsetenv("QUORVANE_CA_BUNDLE");
}

}  // namespace quorvane::test
