// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "app/TransferFailure.h"

namespace quorvane {

// What one request brought back. An empty body means nothing usable arrived: no connection,
// the time-out, a refused certificate, or an empty answer.
struct TransferAnswer {
    std::string body;
    long status = 0;   // HTTP status, 0 when no whole answer arrived
    std::string info;  // what went wrong or which status came back, for the log
    TransferFailure failure = TransferFailure::None;
};

// A request with the validator of an earlier answer, so that an unchanged resource may answer
// 304 without a body.
struct TransferRequest {
    std::string url;
    std::string ifNoneMatch;
};

// An answer with the headers a poller goes by.
struct RequestAnswer {
    TransferAnswer answer;
    std::string etag;                       // empty without one
    std::optional<long> retryAfterSeconds;  // a Retry-After given in seconds
};

// Fetches the body of one URL. The real transfer talks HTTPS; tests may put a fake in its place.
class UrlTransfer {
  public:
    virtual ~UrlTransfer() = default;
    virtual TransferAnswer fetch(const std::string& url) = 0;
    // A transfer that cannot send headers fetches the plain URL, which is always correct: it only
    // costs the body an unchanged answer would have saved.
    virtual RequestAnswer fetchRequest(const TransferRequest& request) {
        return {fetch(request.url), {}, std::nullopt};
    }
};

}  // namespace quorvane
