// SPDX-License-Identifier: MIT
#include "platform/CurlTransfer.h"

#include "platform/CurlFailure.h"
#include "platform/CurlSetup.h"

#include <curl/curl.h>
#include <signal.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

namespace quorvane {

namespace {

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        // TLS writes to a service that has gone away raise SIGPIPE, which would end the
        // program; the failed write is reported as a failed transfer instead.
        struct sigaction current {};
        if (sigaction(SIGPIPE, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
            signal(SIGPIPE, SIG_IGN);
        }
    });
}

struct Headers {
    std::string etag;
    std::optional<long> retryAfterSeconds;
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

bool namesHeader(std::string_view line, std::string_view name) {
    if (line.size() <= name.size() || line[name.size()] != ':') {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(line[i])) != name[i]) {
            return false;
        }
    }
    return true;
}

// Curl hands over one header line at a time; only the two a poller needs are kept. A
// Retry-After given as a date is ignored: the caller's own back-off applies then.
size_t readHeader(char* data, size_t size, size_t count, void* target) {
    auto* headers = static_cast<Headers*>(target);
    const std::string_view line(data, size * count);
    if (namesHeader(line, "etag")) {
        headers->etag = std::string(trimmed(line.substr(5)));
    } else if (namesHeader(line, "retry-after")) {
        const std::string_view value = trimmed(line.substr(12));
        long seconds = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), seconds);
        if (error == std::errc() && end == value.data() + value.size() && seconds >= 0) {
            headers->retryAfterSeconds = seconds;
        }
    }
    return size * count;
}

bool isHttpsUrl(const std::string& url) {
    constexpr std::string_view scheme = "https://";
    if (url.size() <= scheme.size()) {
        return false;
    }
    for (std::size_t i = 0; i < scheme.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(url[i])) != scheme[i]) {
            return false;
        }
    }
    return true;
}

// The account request carries the password in its query: it never goes into the log.
std::string withoutQuery(const std::string& url) {
    return url.substr(0, url.find('?'));
}

size_t appendBody(char* data, size_t size, size_t count, void* target) {
    auto* body = static_cast<LimitedBody*>(target);
    const size_t bytes = size * count;
    if (body->bytes.size() + bytes > body->limit) {
        body->tooLarge = true;
        return 0;  // makes curl stop the transfer
    }
    body->bytes.append(data, bytes);
    return bytes;
}

}  // namespace

CurlHandle openSecureTransfer(const std::string& url, const std::optional<std::string>& caBundle,
                              const char* userAgent, LimitedBody& body, char* errorText) {
    initialiseCurlOnce();
    CurlHandle curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl) {
        return curl;
    }
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    if (caBundle) {
        curl_easy_setopt(handle, CURLOPT_CAINFO, caBundle->c_str());
    }
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &appendBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(handle, CURLOPT_USERAGENT, userAgent);
    return curl;
}

std::optional<std::string> caBundleFromEnvironment() {
    const char* value = std::getenv("QUORVANE_CA_BUNDLE");
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

CurlTransfer::CurlTransfer(std::optional<std::string> caBundle, long timeoutSeconds)
    : m_caBundle(std::move(caBundle)), m_timeoutSeconds(timeoutSeconds) {}

TransferAnswer CurlTransfer::fetch(const std::string& url) {
    return fetchRequest({url, {}, {}, 0}).answer;
}

RequestAnswer CurlTransfer::fetchRequest(const TransferRequest& request) {
    const std::string& url = request.url;
    RequestAnswer reply;
    TransferAnswer& answer = reply.answer;
    answer.address = withoutQuery(url);
    if (!isHttpsUrl(url)) {
        answer.info = "refused a request that is not HTTPS: " + withoutQuery(url);
        answer.failure = TransferFailure::NotHttps;
        return reply;
    }
    LimitedBody body;
    body.limit = request.bodyLimit > 0 ? std::min(request.bodyLimit, kTransferBodyLimit)
                                       : kTransferBodyLimit;
    char errorText[CURL_ERROR_SIZE] = {};
    const CurlHandle curl = openSecureTransfer(url, m_caBundle, "quorvane-draft", body, errorText);
    if (!curl) {
        answer.info = "could not start a transfer";
        answer.failure = TransferFailure::Other;
        return reply;
    }
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, m_timeoutSeconds);
    Headers headers;
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, &readHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &headers);
    std::vector<std::string> lines = request.headers;
    if (!request.ifNoneMatch.empty()) {
        lines.push_back("If-None-Match: " + request.ifNoneMatch);
    }
    curl_slist* list = nullptr;
    for (const std::string& line : lines) {
        curl_slist* longer = curl_slist_append(list, line.c_str());
        if (longer == nullptr) {
            curl_slist_free_all(list);
            answer.info = "could not start a transfer";
            answer.failure = TransferFailure::Other;
            return reply;
        }
        list = longer;
    }
    const std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> requestHeaders(
        list, &curl_slist_free_all);
    if (requestHeaders) {
        curl_easy_setopt(handle, CURLOPT_HTTPHEADER, requestHeaders.get());
    }

    const CURLcode result = curl_easy_perform(handle);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &answer.status);
    if (result != CURLE_OK) {
        // A head that arrived before the time ran out is no answer: its status would read as a
        // successful request with an empty body.
        answer.status = 0;
        answer.failure = curlFailureOf(result, handle, errorText, body.tooLarge);
        answer.info = body.tooLarge ? std::string("answer larger than the limit")
                                    : std::string(*errorText != '\0' ? errorText
                                                                     : curl_easy_strerror(result));
        answer.info += " (" + withoutQuery(url) + ")";
        return reply;  // a cut-off body is no answer
    }
    answer.body = std::move(body.bytes);
    reply.etag = std::move(headers.etag);
    reply.retryAfterSeconds = headers.retryAfterSeconds;
    if (answer.status >= 300 && answer.status < 400) {
        const char* location = nullptr;
        if (curl_easy_getinfo(handle, CURLINFO_REDIRECT_URL, &location) == CURLE_OK &&
            location != nullptr) {
            reply.redirect = withoutQuery(location);
        }
    }
    answer.info = "HTTP " + std::to_string(answer.status) + " (" + withoutQuery(url) + ")";
    return reply;
}

}  // namespace quorvane
