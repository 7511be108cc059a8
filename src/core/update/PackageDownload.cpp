// SPDX-License-Identifier: MIT
#include "update/PackageDownload.h"

#include <curl/curl.h>

#include <memory>

namespace quorvane {

namespace {

struct Receiver {
    std::string bytes;
    std::size_t limit = 0;
    bool tooLarge = false;
    const DownloadProgress* progress = nullptr;
    long long reported = -1;
};

size_t receive(char* data, size_t size, size_t count, void* target) {
    auto* receiver = static_cast<Receiver*>(target);
    const size_t bytes = size * count;
    if (receiver->bytes.size() + bytes > receiver->limit) {
        receiver->tooLarge = true;
        return 0;  // makes curl stop the transfer
    }
    receiver->bytes.append(data, bytes);
    return bytes;
}

int reportProgress(void* target, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
    auto* receiver = static_cast<Receiver*>(target);
    if (*receiver->progress && received != receiver->reported) {
        receiver->reported = received;
        (*receiver->progress)(received);
    }
    return 0;
}

// `connected`: the TLS handshake was done, so what failed came from the service's answer.
PackageDownload::Outcome outcomeOf(CURLcode result, bool tooLarge, bool connected,
                                   bool wholeTimeUsed) {
    using Outcome = PackageDownload::Outcome;
    if (tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
        return Outcome::TooLarge;
    }
    if (!connected) {
        return Outcome::NotConnected;
    }
    if (result == CURLE_OPERATION_TIMEDOUT) {
        return wholeTimeUsed ? Outcome::TimedOut : Outcome::Stalled;
    }
    // A peer that closes mid-answer ends TLS without its close alert: a receive error.
    return result == CURLE_PARTIAL_FILE || result == CURLE_RECV_ERROR ? Outcome::CutOff
                                                                      : Outcome::NotConnected;
}

}  // namespace

CurlPackageDownloader::CurlPackageDownloader(std::optional<std::string> caBundle,
                                             DownloadLimits limits)
    : m_caBundle(std::move(caBundle)), m_limits(limits) {}

PackageDownload CurlPackageDownloader::download(const std::string& url, long long sizeLimit,
                                                const DownloadProgress& progress) {
    PackageDownload download;
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                   &curl_easy_cleanup);
    if (!curl) {
        download.info = "could not start a transfer";
        return download;
    }
    Receiver receiver;
    receiver.limit = static_cast<std::size_t>(sizeLimit);
    receiver.progress = &progress;
    char errorText[CURL_ERROR_SIZE] = {};
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    if (m_caBundle) {
        curl_easy_setopt(handle, CURLOPT_CAINFO, m_caBundle->c_str());
    }
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, static_cast<long>(m_limits.connect.count()));
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, static_cast<long>(m_limits.whole.count()));
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, m_limits.slowestBytesPerSecond);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, static_cast<long>(m_limits.stall.count()));
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(sizeLimit));
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &receive);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &receiver);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &reportProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &receiver);
    curl_easy_setopt(handle, CURLOPT_USERAGENT, "quorvane-update");

    const CURLcode result = curl_easy_perform(handle);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &download.status);
    curl_off_t elapsed = 0;
    curl_off_t connected = 0;
    curl_easy_getinfo(handle, CURLINFO_TOTAL_TIME_T, &elapsed);
    curl_easy_getinfo(handle, CURLINFO_APPCONNECT_TIME_T, &connected);
    download.received = static_cast<long long>(receiver.bytes.size());
    if (result != CURLE_OK) {
        download.info = std::string(*errorText != '\0' ? errorText : curl_easy_strerror(result)) +
                        " (" + url + ")";
        download.outcome = outcomeOf(result, receiver.tooLarge, connected > 0,
                                     std::chrono::microseconds(elapsed) >= m_limits.whole);
        return download;
    }
    download.info = "HTTP " + std::to_string(download.status) + " (" + url + ")";
    download.outcome = PackageDownload::Outcome::Complete;
    download.bytes = std::move(receiver.bytes);
    return download;
}

}  // namespace quorvane
