// SPDX-License-Identifier: MIT
#include "update/PackageDownload.h"

#include <curl/curl.h>

#include <memory>

#include "app/CurlFailure.h"

namespace quorvane {

namespace {

struct Receiver {
    std::string bytes;
    std::size_t limit = 0;
    bool tooLarge = false;
    const DownloadProgress* progress = nullptr;
    long long reported = -1;
    std::chrono::steady_clock::time_point giveUpAt;
    bool timedOut = false;
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

// Curl calls this as bytes arrive and at least once a second while none do.
int reportProgress(void* target, curl_off_t, curl_off_t received, curl_off_t, curl_off_t) {
    auto* receiver = static_cast<Receiver*>(target);
    if (std::chrono::steady_clock::now() >= receiver->giveUpAt) {
        receiver->timedOut = true;
        return 1;  // makes curl stop the transfer
    }
    if (*receiver->progress && received != receiver->reported) {
        receiver->reported = received;
        (*receiver->progress)(received);
    }
    return 0;
}

// `connected`: the TLS handshake was done, so what failed came from the service's answer.
PackageDownload::Outcome outcomeOf(CURLcode result, const Receiver& receiver, bool connected) {
    using Outcome = PackageDownload::Outcome;
    if (receiver.tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
        return Outcome::TooLarge;
    }
    if (receiver.timedOut) {
        return Outcome::TimedOut;
    }
    if (!connected) {
        return Outcome::NotConnected;
    }
    // Curl's own time-out is the low-speed rule's: the whole deadline is kept above.
    if (result == CURLE_OPERATION_TIMEDOUT) {
        return Outcome::Stalled;
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
    receiver.giveUpAt = std::chrono::steady_clock::now() + m_limits.whole;
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
    curl_off_t connected = 0;
    curl_easy_getinfo(handle, CURLINFO_APPCONNECT_TIME_T, &connected);
    download.received = static_cast<long long>(receiver.bytes.size());
    if (result != CURLE_OK) {
        download.info = std::string(*errorText != '\0' ? errorText : curl_easy_strerror(result)) +
                        " (" + url + ")";
        download.outcome = outcomeOf(result, receiver, connected > 0);
        if (download.outcome == PackageDownload::Outcome::NotConnected) {
            download.failure = curlFailureOf(result, handle, errorText, false);
            download.address = url.substr(0, url.find('?'));
        }
        return download;
    }
    download.info = "HTTP " + std::to_string(download.status) + " (" + url + ")";
    download.outcome = PackageDownload::Outcome::Complete;
    download.bytes = std::move(receiver.bytes);
    return download;
}

}  // namespace quorvane
