// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "platform/UrlTransfer.h"

namespace quorvane {

struct DownloadLimits {
    std::chrono::seconds connect{15};
    // A download slower than `slowestBytesPerSecond` over `stall` has stalled and is given up.
    long slowestBytesPerSecond = 1024;
    std::chrono::seconds stall{30};
    std::chrono::seconds whole{std::chrono::minutes(10)};
};

// How a package download ended.
struct PackageDownload {
    enum class Outcome {
        Complete,      // an answer came in whole (its status says whether it is the package)
        NotConnected,  // no answer at all: no connection, a refused certificate
        CutOff,        // the connection ended before the answer was whole
        Stalled,       // too slow for too long (DownloadLimits)
        TimedOut,      // not finished within the whole download's time
        TooLarge,      // more bytes than the caller allowed
    };
    Outcome outcome = Outcome::NotConnected;
    long status = 0;  // HTTP status of a complete answer
    std::string bytes;
    long long received = 0;  // bytes that arrived, also of a download that did not finish
    std::string info;        // what the transfer reported, for the log
    // Why a download ended NotConnected (a refused certificate, no route, ...) and where it was
    // going, without the query, for the message.
    TransferFailure failure = TransferFailure::None;
    std::string address;
};

// Called as the bytes arrive, with the number received so far.
using DownloadProgress = std::function<void(long long received)>;

// Fetches the program package; tests put a fake in its place.
class PackageDownloader {
  public:
    virtual ~PackageDownloader() = default;
    // At most `sizeLimit` bytes are taken: a longer answer ends as TooLarge.
    virtual PackageDownload download(const std::string& url, long long sizeLimit,
                                     const DownloadProgress& progress) = 0;
};

// HTTPS with the certificate and host name checked, like every request of the program, but with
// the deadlines of a large file instead of one short time-out for the whole request.
class CurlPackageDownloader final : public PackageDownloader {
  public:
    explicit CurlPackageDownloader(std::optional<std::string> caBundle, DownloadLimits limits = {});
    PackageDownload download(const std::string& url, long long sizeLimit,
                             const DownloadProgress& progress) override;

  private:
    std::optional<std::string> m_caBundle;
    DownloadLimits m_limits;
};

}  // namespace quorvane
