// SPDX-License-Identifier: MIT
#include "service/HttpResponse.h"

#include <string_view>

namespace quorvane::service {

namespace {

std::string_view reasonPhrase(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 400:
            return "Bad Request";
        case 403:
            return "Forbidden";
        case 404:
            return "Not Found";
        case 413:
            return "Payload Too Large";
        case 414:
            return "URI Too Long";
        case 429:
            return "Too Many Requests";
        case 431:
            return "Request Header Fields Too Large";
        case 500:
            return "Internal Server Error";
        case 503:
            return "Service Unavailable";
        case 505:
            return "HTTP Version Not Supported";
        default:
            return "Unknown";
    }
}

}  // namespace

HttpResponse HttpResponse::text(int status, std::string body) {
    HttpResponse response;
    response.status = status;
    response.body = std::make_shared<const std::string>(std::move(body));
    return response;
}

HttpResponse HttpResponse::shared(std::shared_ptr<const std::string> body,
                                  std::string contentType) {
    HttpResponse response;
    response.body = std::move(body);
    response.contentType = std::move(contentType);
    return response;
}

std::string responseHead(const HttpResponse& response, bool keepAlive) {
    std::string head = "HTTP/1.1 " + std::to_string(response.status) + " ";
    head += reasonPhrase(response.status);
    head += "\r\nContent-Type: " + response.contentType;
    head += "\r\nContent-Length: " + std::to_string(response.bodySize());
    head += keepAlive ? "\r\nConnection: keep-alive" : "\r\nConnection: close";
    for (const auto& [name, value] : response.headers) {
        head += "\r\n" + name + ": " + value;
    }
    head += "\r\n\r\n";
    return head;
}

}  // namespace quorvane::service
