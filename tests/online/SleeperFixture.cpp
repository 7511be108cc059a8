// SPDX-License-Identifier: MIT
#include "SleeperFixture.h"

#include <httplib.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>

#include "LoopbackService.h"

namespace quorvane::test {

SleeperFixture::SleeperFixture(std::vector<RoomMoment> moments, std::string users)
    : m_moments(std::move(moments)), m_users(std::move(users)) {
    const TestCertificate& certificate = trustedCertificate();
    m_server = std::make_unique<httplib::SSLServer>(certificate.certFile.c_str(),
                                                    certificate.keyFile.c_str());
    // The refusal and the counts apply to every request, so one handler decides first.
    m_server->set_pre_routing_handler([this](const httplib::Request& request,
                                             httplib::Response& response) {
        const std::lock_guard lock(m_mutex);
        const bool picks = request.path.size() > 6 &&
                           request.path.compare(request.path.size() - 6, 6, "/picks") == 0;
        (picks ? m_picksCalls : m_draftCalls) += request.path.find("/draft/") != std::string::npos;
        m_queries.push_back(request.has_param("_") ? request.get_param_value("_") : "");
        if (m_refusal.times <= 0) {
            return httplib::Server::HandlerResponse::Unhandled;
        }
        --m_refusal.times;
        response.status = m_refusal.status;
        if (m_refusal.retryAfter) {
            response.set_header("Retry-After", std::to_string(*m_refusal.retryAfter));
        }
        response.set_content("{\"message\":\"slow down\"}", "application/json");
        return httplib::Server::HandlerResponse::Handled;
    });
    m_server->Get(
        R"(/v1/draft/(\d+))", [this](const httplib::Request& request, httplib::Response& response) {
            const std::lock_guard lock(m_mutex);
            const std::string& body = m_moments.at(m_at).draft;
            const std::string etag = "\"" + std::to_string(std::hash<std::string>{}(body)) + "\"";
            if (request.get_header_value("If-None-Match") == etag) {
                ++m_unchanged;
                response.status = 304;
                return;
            }
            response.set_header("ETag", etag);
            response.set_content(body, "application/json");
        });
    m_server->Get(R"(/v1/draft/(\d+)/picks)",
                  [this](const httplib::Request&, httplib::Response& response) {
                      const std::lock_guard lock(m_mutex);
                      response.set_content(m_moments.at(m_at).picks, "application/json");
                  });
    m_server->Get(R"(/v1/league/(\d+)/users)",
                  [this](const httplib::Request&, httplib::Response& response) {
                      response.set_content(m_users, "application/json");
                  });
    m_port = m_server->bind_to_any_port("127.0.0.1");
    if (m_port <= 0) {
        ADD_FAILURE() << "the room fixture could not listen on loopback";
        return;
    }
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    for (int waited = 0; !m_server->is_running() && waited < 200; ++waited) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

SleeperFixture::~SleeperFixture() {
    m_server->stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

std::string SleeperFixture::baseUrl() const {
    return "https://127.0.0.1:" + std::to_string(m_port) + "/v1";
}

void SleeperFixture::next() {
    const std::lock_guard lock(m_mutex);
    if (m_at + 1 < m_moments.size()) {
        ++m_at;
    }
}

void SleeperFixture::refuseNext(int status, int times, std::optional<int> retryAfter) {
    const std::lock_guard lock(m_mutex);
    m_refusal = {status, times, retryAfter};
}

int SleeperFixture::draftCalls() const {
    const std::lock_guard lock(m_mutex);
    return m_draftCalls;
}

int SleeperFixture::picksCalls() const {
    const std::lock_guard lock(m_mutex);
    return m_picksCalls;
}

int SleeperFixture::unchangedAnswers() const {
    const std::lock_guard lock(m_mutex);
    return m_unchanged;
}

std::vector<std::string> SleeperFixture::queries() const {
    const std::lock_guard lock(m_mutex);
    return m_queries;
}

RoomAddressForTest::RoomAddressForTest(const SleeperFixture& fixture) {
    ::setenv("QUORVANE_SLEEPER_URL", fixture.baseUrl().c_str(), 1);
    ::setenv("QUORVANE_CA_BUNDLE", trustedCertificate().certFile.c_str(), 1);
}

RoomAddressForTest::~RoomAddressForTest() {
    ::unsetenv("QUORVANE_SLEEPER_URL");
    ::unsetenv("QUORVANE_CA_BUNDLE");
}

}  // namespace quorvane::test
