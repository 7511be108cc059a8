// SPDX-License-Identifier: MIT
#include "update/PackageDownload.h"

#include <curl/curl.h>

#include <memory>

#include "platform/CurlFailure.h"
#include "platform/CurlSetup.h"

namespace quorvane {

namespace {

struct Receiver {
    LimitedBody body;
    const DownloadProgress* progress = nullptr;
    long long reported = -1;
    std::chrono::steady_clock::time_point giveUpAt;
    bool timedOut = false;
};

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
    if (receiver.body.tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
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
    Receiver receiver;
    receiver.body.limit = static_cast<std::size_t>(sizeLimit);
    receiver.progress = &progress;
    receiver.giveUpAt = std::chrono::steady_clock::now() + m_limits.whole;
    char errorText[CURL_ERROR_SIZE] = {};
    const CurlHandle curl =
        openSecureTransfer(url, m_caBundle, "quorvane-update", receiver.body, errorText);
    if (!curl) {
        download.info = "could not start a transfer";
        return download;
    }
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, static_cast<long>(m_limits.connect.count()));
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, m_limits.slowestBytesPerSecond);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, static_cast<long>(m_limits.stall.count()));
    curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(sizeLimit));
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &reportProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &receiver);

    const CURLcode result = curl_easy_perform(handle);
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &download.status);
    curl_off_t connected = 0;
    curl_easy_getinfo(handle, CURLINFO_APPCONNECT_TIME_T, &connected);
    download.received = static_cast<long long>(receiver.body.bytes.size());
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
    download.bytes = std::move(receiver.body.bytes);
    return download;
}

}  // namespace quorvane
