// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "night/CodeThrottle.h"

namespace quorvane {

class NightHost;

// A request as the server read it, with what answering it needs of its head.
struct NightRequest {
    std::string method;
    std::string target;
    std::string authorization;  // the Authorization header
    std::string cookie;         // the Cookie header
    std::string contentType;
    std::string origin;  // the Origin header, empty when absent
    std::string host;    // the Host header
    std::string body;
    std::string address;  // of the client
};

struct NightResponse {
    int status = 200;
    std::string contentType = "application/json";
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
};

// Answers the pages and the JSON API. Nothing but the join page goes to a request without a
// valid code; wrong codes are throttled per address.
class NightRoutes {
  public:
    NightRoutes(NightHost& host, std::string pagesFolder);

    NightResponse answer(const NightRequest& request, std::int64_t nowMs);

    // The code a request carries: a bearer token, else the join cookie.
    static std::string codeOf(const NightRequest& request);

    // Whether a WebSocket upgrade may go ahead; when not, the answer to send instead.
    std::optional<NightResponse> refuseUpgrade(const NightRequest& request, std::int64_t nowMs);

  private:
    // The holder of the request's code, or the answer that refuses it.
    struct Identified;
    Identified identify(const NightRequest& request, std::int64_t nowMs);
    NightResponse join(const NightRequest& request, std::int64_t nowMs);
    NightResponse act(const NightRequest& request, int holder, std::int64_t nowMs);
    NightResponse page(const std::string& file) const;

    NightHost& m_host;
    std::string m_pagesFolder;
    CodeThrottle m_throttle;
};

}  // namespace quorvane
