// SPDX-License-Identifier: MIT
#include <httplib.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "LoopbackService.h"
#include "update/PackageDownload.h"

namespace quorvane::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Outcome = PackageDownload::Outcome;

// An HTTPS server with the trusted test certificate whose package is sent by `provider`, for
// the ways a download can go wrong that the reference service never shows.
class PackageServer {
  public:
    PackageServer(std::size_t announcedSize, httplib::ContentProvider provider)
        : m_server(trustedCertificate().certFile.c_str(), trustedCertificate().keyFile.c_str()) {
        m_server.Get("/draft/nba/update.deb", [announcedSize, provider](const httplib::Request&,
                                                                        httplib::Response& res) {
            res.set_content_provider(announcedSize, "application/octet-stream", provider);
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
    }
    ~PackageServer() {
        m_server.stop();
        m_thread.join();
    }
    std::string url() const {
        return "https://127.0.0.1:" + std::to_string(m_port) + "/draft/nba/update.deb";
    }

  private:
    httplib::SSLServer m_server;
    int m_port = 0;
    std::thread m_thread;
};

// One byte every 100 ms, as a server a whole line away or a hostile one might.
bool trickle(std::size_t, std::size_t, httplib::DataSink& sink) {
    std::this_thread::sleep_for(100ms);
    return sink.write("x", 1);
}

PackageDownload download(const PackageServer& server, DownloadLimits limits = {},
                         long long sizeLimit = 1 << 20,
                         std::vector<long long>* progress = nullptr) {
    CurlPackageDownloader downloader(trustedCertificate().certFile, limits);
    return downloader.download(server.url(), sizeLimit, [progress](long long received) {
        if (progress) {
            progress->push_back(received);
        }
    });
}

TEST(PackageDownload, ArrivesWholeWithItsProgressAndNoMoreThanAllowed) {
    const std::string package(300000, 'p');
    PackageServer server(package.size(), [&package](std::size_t offset, std::size_t length,
                                                    httplib::DataSink& sink) {
        return sink.write(package.data() + offset, std::min<std::size_t>(length, 4096));
    });
    std::vector<long long> progress;
    const PackageDownload whole = download(server, {}, 300000, &progress);
    EXPECT_EQ(whole.outcome, Outcome::Complete) << whole.info;
    EXPECT_EQ(whole.status, 200);
    EXPECT_EQ(whole.bytes, package);
    ASSERT_FALSE(progress.empty());
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    EXPECT_EQ(progress.back(), 300000);

    const PackageDownload tooLarge = download(server, {}, 299999);
    EXPECT_EQ(tooLarge.outcome, Outcome::TooLarge);
    EXPECT_TRUE(tooLarge.bytes.empty());
}

TEST(PackageDownload, AConnectionCutMidwayIsToldApartFromNoConnection) {
    // 1000 bytes announced, 100 sent, then the connection ends.
    PackageServer server(1000, [](std::size_t, std::size_t, httplib::DataSink& sink) {
        sink.write(std::string(100, 'c').data(), 100);
        return false;
    });
    const PackageDownload cut = download(server);
    EXPECT_EQ(cut.outcome, Outcome::CutOff) << cut.info;
    EXPECT_EQ(cut.received, 100);
    EXPECT_TRUE(cut.bytes.empty());

    ClosingServer closing;
    CurlPackageDownloader downloader(trustedCertificate().certFile);
    const PackageDownload none =
        downloader.download("https://" + closing.host() + "/draft/nba/update.deb", 1000, {});
    EXPECT_EQ(none.outcome, Outcome::NotConnected) << none.info;
    EXPECT_EQ(none.failure, TransferFailure::NoConnection) << none.info;
}

TEST(PackageDownload, ARefusedCertificateIsToldApartFromNoConnection) {
    LoopbackService untrusted("coach", "s3cret", "1303", untrustedCertificate());
    ASSERT_TRUE(untrusted.started());
    CurlPackageDownloader downloader(trustedCertificate().certFile);
    const std::string url = "https://" + untrusted.host() + "/draft/nba/update.deb";
    const PackageDownload refused = downloader.download(url + "?u=coach", 1000, {});
    EXPECT_EQ(refused.outcome, Outcome::NotConnected) << refused.info;
    EXPECT_EQ(refused.failure, TransferFailure::CertificateUntrusted) << refused.info;
    EXPECT_EQ(refused.address, url);

    LoopbackService elsewhere("coach", "s3cret", "1303", otherHostCertificate());
    ASSERT_TRUE(elsewhere.started());
    CurlPackageDownloader trusting(otherHostCertificate().certFile);
    const PackageDownload misnamed =
        trusting.download("https://" + elsewhere.host() + "/draft/nba/update.deb", 1000, {});
    EXPECT_EQ(misnamed.failure, TransferFailure::CertificateHost) << misnamed.info;
}

TEST(PackageDownload, ASlowServerIsGivenUpAtTheStallAndTheWholeDeadline) {
    PackageServer server(100000, trickle);
    DownloadLimits stall;
    stall.stall = 1s;
    auto start = Clock::now();
    const PackageDownload stalled = download(server, stall);
    EXPECT_EQ(stalled.outcome, Outcome::Stalled) << stalled.info;
    // Ten bytes a second for a stall window of a second, not the ten minutes of the whole.
    EXPECT_LT(Clock::now() - start, 5s);
    EXPECT_GT(stalled.received, 0);

    DownloadLimits whole;
    whole.slowestBytesPerSecond = 1;
    whole.whole = 2s;
    start = Clock::now();
    const PackageDownload late = download(server, whole);
    EXPECT_EQ(late.outcome, Outcome::TimedOut) << late.info;
    EXPECT_LT(Clock::now() - start, 6s);
}

}  // namespace
}  // namespace quorvane::test
