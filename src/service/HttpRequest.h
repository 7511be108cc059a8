// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvane::service {

// What the service needs of a request head.
struct HttpRequest {
    std::string method;
    std::string path;                                        // percent-decoded, without the query
    std::vector<std::pair<std::string, std::string>> query;  // decoded, in the order sent
    bool keepAlive = true;
    std::size_t contentLength = 0;  // saturates instead of overflowing
    bool chunked = false;

    // The first value of a query parameter.
    std::optional<std::string> param(std::string_view name) const;
    std::size_t paramCount(std::string_view name) const;
};

struct HeadLimits {
    std::size_t line = 8 * 1024;    // the request target, or any one header line
    std::size_t total = 32 * 1024;  // the whole head, blank line included
};

struct HeadParse {
    enum class Outcome { Incomplete, Complete, Refused };
    Outcome outcome = Outcome::Incomplete;
    int status = 0;          // of a refusal: 400, 414 (target), 431 (whole head), 505
    std::size_t length = 0;  // of a complete head
    HttpRequest request;
};

// Reads the head at the front of `bytes` (CR LF or bare LF line ends). A head that cannot end
// within the limits is refused as soon as that is certain, so no more of it need be kept.
HeadParse parseRequestHead(std::string_view bytes, const HeadLimits& limits = {});

// %XX sequences decoded (malformed ones kept as they are); '+' as a space in query texts.
std::string decodePercent(std::string_view text, bool plusIsSpace);

}  // namespace quorvane::service
