// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

namespace quorvane::test {

struct HttpAnswer {
    int status = 0;
    std::string body;
    std::string retryAfter;
    std::string setCookie;
};

// One request over a fresh loopback connection, as a script would send it. An empty code sends
// no Authorization header.
HttpAnswer httpRequest(int port, const std::string& method, const std::string& target,
                       const std::string& code, const std::string& body = {});

// A screen on the WebSocket, joined with a code.
class ScreenClient {
  public:
    ScreenClient(int port, const std::string& code);
    ~ScreenClient();
    // The next message; empty when the connection ended or none came within two seconds.
    std::string next();
    bool connected() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace quorvane::test
