// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

// What one request brought back. An empty body means nothing usable arrived: no connection,
// the time-out, a refused certificate, or an empty answer.
struct TransferAnswer {
    std::string body;
    long status = 0;   // HTTP status, 0 when no answer arrived at all
    std::string info;  // what went wrong or which status came back, for the log
};

// Fetches the body of one URL. The real transfer talks HTTPS; tests may put a fake in its place.
class UrlTransfer {
  public:
    virtual ~UrlTransfer() = default;
    virtual TransferAnswer fetch(const std::string& url) = 0;
};

}  // namespace quorvane
