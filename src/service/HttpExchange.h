// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
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

    // The first value of a query parameter.
    std::optional<std::string> param(std::string_view name) const {
        const auto found = std::find_if(query.begin(), query.end(),
                                        [name](const auto& entry) { return entry.first == name; });
        return found == query.end() ? std::nullopt : std::optional(found->second);
    }
    std::size_t paramCount(std::string_view name) const {
        return static_cast<std::size_t>(std::count_if(
            query.begin(), query.end(), [name](const auto& entry) { return entry.first == name; }));
    }
};

struct HttpResponse {
    int status = 200;
    std::string contentType = "text/plain; charset=utf-8";
    // Shared, so that a large file is served to many connections without a copy each.
    std::shared_ptr<const std::string> body;
    std::vector<std::pair<std::string, std::string>> headers;
    // A large file that a client may take minutes to read: sent only while one of the server's
    // download slots is free, so that slow readers cannot take every connection.
    bool download = false;

    static HttpResponse text(int status, std::string text) {
        HttpResponse response;
        response.status = status;
        response.body = std::make_shared<const std::string>(std::move(text));
        return response;
    }
    static HttpResponse shared(std::shared_ptr<const std::string> body, std::string contentType) {
        HttpResponse response;
        response.body = std::move(body);
        response.contentType = std::move(contentType);
        return response;
    }
};

// Answers one request; callable from any thread, once (later answers are ignored).
using Reply = std::function<void(HttpResponse)>;
using RequestHandler =
    std::function<void(const HttpRequest& request, const std::string& address, Reply reply)>;

}  // namespace quorvane::service
