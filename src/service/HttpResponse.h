// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quorvane::service {

struct HttpResponse {
    int status = 200;
    std::string contentType = "text/plain; charset=utf-8";
    // Shared, so that a large file is served to many connections without a copy each.
    std::shared_ptr<const std::string> body;
    std::vector<std::pair<std::string, std::string>> headers;

    static HttpResponse text(int status, std::string body);
    static HttpResponse shared(std::shared_ptr<const std::string> body, std::string contentType);
    std::size_t bodySize() const { return body ? body->size() : 0; }
};

// The status line and headers, blank line included; Content-Length is the body's size also when
// the body is left out (a HEAD request).
std::string responseHead(const HttpResponse& response, bool keepAlive);

}  // namespace quorvane::service
