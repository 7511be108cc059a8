// SPDX-License-Identifier: MIT
#pragma once

#include <curl/curl.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace quorvane {

// An answer's body, cut off (and the transfer stopped) once it would pass its limit.
struct LimitedBody {
    std::string bytes;
    std::size_t limit = 0;
    bool tooLarge = false;
};

using CurlHandle = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;

// A transfer set up the one way this program talks to a server: HTTPS only, no redirect
// followed, the certificate and the host name verified (against `caBundle` when one is given),
// no signals, curl's error text into `errorText` (CURL_ERROR_SIZE bytes) and the body into
// `body`. Null when curl could not start a transfer. The caller adds its time limits.
CurlHandle openSecureTransfer(const std::string& url, const std::optional<std::string>& caBundle,
                              const char* userAgent, LimitedBody& body, char* errorText);

}  // namespace quorvane
