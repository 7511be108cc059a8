// SPDX-License-Identifier: MIT
#include "platform/ServiceEndpoints.h"

#include <cctype>

#include "text/NumberText.h"

namespace quorvane {

std::string serviceUrl(std::string_view serviceHost, std::string_view path) {
    std::string url = "https://";
    url += serviceHost;
    url += path;
    return url;
}

std::string percentEncode(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size() * 3);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 && byte < 0x80) {
            encoded += c;
        } else if (c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
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
