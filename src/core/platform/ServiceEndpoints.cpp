// SPDX-License-Identifier: MIT
#include "platform/ServiceEndpoints.h"

#include <limits>

#include <curl/curl.h>

#include "text/NumberText.h"

namespace quorvane {

std::string serviceUrl(std::string_view serviceHost, std::string_view path) {
    std::string url = "https://";
    url += serviceHost;
    url += path;
    return url;
}

std::string percentEncode(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    // Longer text than curl takes is no user name or password.
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    // curl leaves only the unreserved characters as they are, as the service expects.
    char* escaped = curl_easy_escape(nullptr, text.data(), static_cast<int>(text.size()));
    if (escaped == nullptr) {
        return {};
    }
    std::string encoded(escaped);
    curl_free(escaped);
    return encoded;
}

std::string accountRequestPath(std::string_view user, std::string_view password) {
    std::string path(kAccountPath);
    path += "?u=" + percentEncode(trim(user));
    path += "&p=" + percentEncode(trim(password));
    return path;
}

std::string playerPagePath(int playerid) {
    return std::string(kPlayerPagePath) + "?id=" + std::to_string(playerid);
}

bool hasServicePlayerPage(int playerid) {
    return playerid >= 1 && playerid < kFirstCustomPlayerId;
}

}  // namespace quorvane
