// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorvane {

// Why no usable answer arrived; each cause has its own words for the user.
enum class TransferFailure {
    None,
    NotHttps,              // a plain http address: never asked
    NoConnection,          // no name, no route, refused or dropped
    TimedOut,              // no whole answer within the deadline
    CertificateHost,       // a certificate made out to another host
    CertificateUntrusted,  // a certificate no trusted authority signed
    TooLarge,              // cut off at the body limit
    Other,
};

// What one request brought back. An empty body means nothing usable arrived: no connection,
// the time-out, a refused certificate, or an empty answer.
struct TransferAnswer {
    TransferAnswer() = default;
    // What a fake transfer answers: the failure and the address stay unset.
    TransferAnswer(std::string body_, long status_, std::string info_)
        : body(std::move(body_)), status(status_), info(std::move(info_)) {}

    std::string body;
    long status = 0;   // HTTP status, 0 when no answer arrived at all
    std::string info;  // what went wrong or which status came back, for the log
    TransferFailure failure = TransferFailure::None;
    std::string address;  // the address without its query, which may carry a password
};

// "the certificate of https://host/path is made out to another host": the cause of a failed
// transfer, naming the address, to follow "could not be read: " or similar.
std::string transferFailureText(const TransferAnswer& answer);

// A request with the validator of an earlier answer, so that an unchanged resource may answer
// 304 without a body.
struct TransferRequest {
    std::string url;
    std::string ifNoneMatch;
    std::vector<std::string> headers;  // further lines ("Cookie: ..."); never logged
    std::size_t bodyLimit = 0;         // a smaller limit than the transfer's own; 0 for its own
};

// An answer with the headers a poller goes by.
struct RequestAnswer {
    TransferAnswer answer;
    std::string etag;                       // empty without one
    std::optional<long> retryAfterSeconds;  // a Retry-After given in seconds
    std::string redirect;                   // where a 3xx answer points; never followed
};

// Fetches the body of one URL. The real transfer talks HTTPS; tests may put a fake in its place.
class UrlTransfer {
  public:
    virtual ~UrlTransfer() = default;
    virtual TransferAnswer fetch(const std::string& url) = 0;
    // A transfer that cannot send headers fetches the plain URL, which is always correct: it only
    // costs the body an unchanged answer would have saved.
    virtual RequestAnswer fetchRequest(const TransferRequest& request) {
        return {fetch(request.url), {}, std::nullopt, {}};
    }
};

}  // namespace quorvane
