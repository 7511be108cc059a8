// SPDX-License-Identifier: MIT
#include <openssl/ssl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

#include "LoopbackService.h"
#include "TlsProbe.h"

namespace quorvane::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A version request on a new connection; its status, or 0 when none came within the time.
int versionStatus(int port, std::chrono::milliseconds timeout = 1500ms) {
    TlsProbe probe(port, timeout);
    if (!probe.handshake() || !probe.send(getRequest("/draft/nba/version.asp"))) {
        return 0;
    }
    return statusOf(probe.receiveResponse());
}

TEST(HostileClients, ATricklingHeadIsCutOffAtItsDeadlineWhileOthersAreAnswered) {
    LoopbackService service([](service::ServiceConfig& config) { config.ioTimeout = 2s; });
    ASSERT_TRUE(service.started());
    // More tricklers than a thread pool of the usual size, each sending a byte every 100 ms:
    // a deadline that each byte renewed would never end them.
    std::vector<std::thread> tricklers;
    std::atomic<int> cutOff{0};
    for (int i = 0; i < 12; ++i) {
        tricklers.emplace_back([&service, &cutOff] {
            TlsProbe probe(service.port());
            if (!probe.handshake()) {
                return;
            }
            const auto start = Clock::now();
            while (Clock::now() - start < 5s) {
                if (!probe.send("X")) {
                    cutOff += Clock::now() - start < 4s ? 1 : 0;
                    return;
                }
                std::this_thread::sleep_for(100ms);
            }
        });
    }
    std::this_thread::sleep_for(300ms);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(versionStatus(service.port()), 200);
    }
    for (auto& trickler : tricklers) {
        trickler.join();
    }
    EXPECT_EQ(cutOff, 12);
}

TEST(HostileClients, ConnectionsThatNeverStartTlsDelayNoOneAndAreClosed) {
    LoopbackService service([](service::ServiceConfig& config) { config.ioTimeout = 2s; });
    ASSERT_TRUE(service.started());
    std::vector<std::unique_ptr<TlsProbe>> silent;
    for (int i = 0; i < 16; ++i) {
        silent.push_back(std::make_unique<TlsProbe>(service.port(), 4s));
    }
    EXPECT_EQ(versionStatus(service.port()), 200);
    for (auto& probe : silent) {
        EXPECT_TRUE(probe->waitForClose());
    }
}

TEST(HostileClients, BeyondTheConnectionLimitTheOldestIdleConnectionMakesRoom) {
    LoopbackService service([](service::ServiceConfig& config) { config.connectionLimit = 4; });
    ASSERT_TRUE(service.started());
    std::vector<std::unique_ptr<TlsProbe>> idle;
    for (int i = 0; i < 4; ++i) {
        idle.push_back(std::make_unique<TlsProbe>(service.port(), 1s));
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_EQ(versionStatus(service.port()), 200);
    // The time-out here is 3 s: a close within 1 s is the limit's doing.
    EXPECT_TRUE(idle.front()->waitForClose());
}

TEST(HostileClients, SlowReadersOfThePackageLeaveConnectionsForOrdinaryRequests) {
    TempFolder folder;
    const std::string package = folder.str() + "/quorvane-basketball-draft_13.0.3_all.deb";
    // More than loopback buffers hold: a reader that stops keeps its answer being written.
    std::ofstream(package, std::ios::binary) << std::string(8 * 1024 * 1024, 'p');
    LoopbackService service([&package](service::ServiceConfig& config) {
        config.packageFile = package;
        config.connectionLimit = 6;
        config.downloadLimit = 2;
    });
    ASSERT_TRUE(service.started());
    // As many readers as there are connections ask for the package and stop reading.
    std::vector<std::unique_ptr<TlsProbe>> readers;
    std::vector<std::string> heads;
    for (int i = 0; i < 6; ++i) {
        readers.push_back(std::make_unique<TlsProbe>(service.port()));
        ASSERT_TRUE(readers.back()->handshake());
        ASSERT_TRUE(readers.back()->send(getRequest("/draft/nba/update.deb")));
        heads.push_back(readers.back()->receiveHead());
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(statusOf(heads[i]), i < 2 ? 200 : 503) << heads[i];
    }
    EXPECT_EQ(headerOf(heads[2], "Retry-After"), "60");

    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(versionStatus(service.port()), 200) << "request " << i;
    }

    // A reader that takes its whole package frees its slot for its own next download.
    EXPECT_EQ(readers[0]->receiveResponse().size(), heads[0].size() + std::size_t{8 * 1024 * 1024});
    ASSERT_TRUE(readers[0]->send(getRequest("/draft/nba/update.deb")));
    EXPECT_EQ(statusOf(readers[0]->receiveHead()), 200);
    // One that hangs up frees its slot once the service notices.
    readers[1].reset();
    int status = 0;
    for (const auto giveUp = Clock::now() + 5s; status != 200 && Clock::now() < giveUp;) {
        TlsProbe next(service.port());
        if (next.handshake() && next.send(getRequest("/draft/nba/update.deb"))) {
            status = statusOf(next.receiveHead());
        }
    }
    EXPECT_EQ(status, 200);
}

TEST(HostileClients, AnOversizedHeadIsRefusedAndItsMemoryNotKept) {
    LoopbackService service;
    ASSERT_TRUE(service.started());
    // 40 KiB of short header lines, none of them long on its own.
    std::string lines;
    for (int i = 0; i < 400; ++i) {
        lines += "X-Filler-" + std::to_string(i) + ": " + std::string(90, 'a') + "\r\n";
    }
    TlsProbe probe(service.port());
    ASSERT_TRUE(probe.handshake());
    probe.send("GET /draft/nba/version.asp HTTP/1.1\r\n" + lines + "\r\n");
    const std::string refusal = probe.receiveResponse();
    EXPECT_EQ(statusOf(refusal), 431);
    EXPECT_EQ(headerOf(refusal, "Connection"), "close");
    EXPECT_TRUE(probe.waitForClose());

    // Endless heads on several connections at once.
    std::vector<std::thread> flooders;
    for (int i = 0; i < 4; ++i) {
        flooders.emplace_back([&service, &lines] {
            TlsProbe flooder(service.port(), 2s);
            if (flooder.handshake() && flooder.send("GET / HTTP/1.1\r\n")) {
                for (int n = 0; n < 100 && flooder.send(lines); ++n) {
                }
            }
        });
    }
    for (auto& flooder : flooders) {
        flooder.join();
    }
    EXPECT_EQ(versionStatus(service.port()), 200);
}

TEST(HostileClients, PipelinedRequestsAreAnsweredInOrderAndTheTwentiethCloses) {
    LoopbackService service;
    ASSERT_TRUE(service.started());
    TlsProbe probe(service.port());
    ASSERT_TRUE(probe.handshake());
    ASSERT_TRUE(probe.send(
        getRequest("/draft/nba/version.asp") + getRequest("/draft/nba/da_player.asp?id=abc") +
        "POST /draft/nba/version.asp HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello" +
        getRequest("/draft/nba/nothing.asp")));
    const std::string first = probe.receiveResponse();
    EXPECT_EQ(statusOf(first), 200);
    EXPECT_TRUE(first.ends_with("\r\n\r\n1303"));
    EXPECT_EQ(statusOf(probe.receiveResponse()), 400);
    EXPECT_EQ(statusOf(probe.receiveResponse()), 404);
    EXPECT_EQ(statusOf(probe.receiveResponse()), 404);
    for (int request = 5; request < 20; ++request) {
        ASSERT_TRUE(probe.send(getRequest("/draft/nba/version.asp")));
        EXPECT_EQ(headerOf(probe.receiveResponse(), "Connection"), "keep-alive") << request;
    }
    ASSERT_TRUE(probe.send(getRequest("/draft/nba/version.asp")));
    EXPECT_EQ(headerOf(probe.receiveResponse(), "Connection"), "close");
    EXPECT_TRUE(probe.waitForClose());
}

// A clock the test moves, shared with the service's threads.
struct MovableClock {
    std::shared_ptr<std::atomic<long long>> seconds = std::make_shared<std::atomic<long long>>(0);
    service::SteadyClock clock() const {
        return [s = seconds] {
            return std::chrono::steady_clock::time_point(std::chrono::seconds(*s));
        };
    }
};

TEST(HostileClients, WrongPasswordsAreThrottledWithAGrowingRetryAfter) {
    MovableClock time;
    LoopbackService service(
        [&time](service::ServiceConfig& config) { config.clock = time.clock(); });
    ASSERT_TRUE(service.started());
    TlsProbe probe(service.port());
    ASSERT_TRUE(probe.handshake());
    const auto ask = [&probe](const std::string& target) {
        probe.send(getRequest(target));
        return probe.receiveResponse();
    };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(statusOf(ask("/draft/nfl/user.asp?u=coach&p=guess" + std::to_string(i))), 403);
    }
    const std::string throttled = ask("/draft/nfl/user.asp?u=coach&p=guess5");
    EXPECT_EQ(statusOf(throttled), 429);
    EXPECT_EQ(headerOf(throttled, "Retry-After"), "30");
    // While the wait lasts not even the right password is checked.
    EXPECT_EQ(statusOf(ask("/draft/nfl/user.asp?u=coach&p=s3cret")), 429);
    EXPECT_EQ(statusOf(ask("/draft/nba/da_projections.csv")), 403);

    *time.seconds += 30;
    EXPECT_EQ(statusOf(ask("/draft/nfl/user.asp?u=coach&p=guess6")), 403);
    EXPECT_EQ(headerOf(ask("/draft/nfl/user.asp?u=coach&p=s3cret"), "Retry-After"), "60");
    *time.seconds += 60;
    EXPECT_EQ(ask("/draft/nfl/user.asp?u=coach&p=s3cret").substr(0, 15), "HTTP/1.1 200 OK");
    EXPECT_EQ(statusOf(ask("/draft/nba/da_projections.csv")), 200);
    // The success forgot this address's failures: the owner's next typo is an ordinary 403.
    EXPECT_EQ(statusOf(ask("/draft/nfl/user.asp?u=coach&p=typo")), 403);
}

TEST(TlsPolicy, OffersOnlyAuthenticatedEncryptionOnTls12AndTls13) {
    LoopbackService service;
    ASSERT_TRUE(service.started());
    const auto handshake = [&service](const TlsOffer& offer, std::string* cipher = nullptr) {
        TlsProbe probe(service.port());
        const bool done = probe.handshake(offer);
        if (cipher) {
            *cipher = probe.cipher();
        }
        return done;
    };
    for (const char* suite : {"ECDHE-ECDSA-AES128-SHA", "ECDHE-ECDSA-AES256-SHA384",
                              "ECDHE-ECDSA-AES128-SHA256", "AES128-GCM-SHA256"}) {
        EXPECT_FALSE(handshake({TLS1_2_VERSION, TLS1_2_VERSION, suite})) << suite;
    }
    EXPECT_FALSE(handshake({TLS1_VERSION, TLS1_1_VERSION, "ALL:@SECLEVEL=0"}));

    std::string cipher;
    EXPECT_TRUE(
        handshake({TLS1_2_VERSION, TLS1_2_VERSION, "ECDHE-ECDSA-AES256-GCM-SHA384"}, &cipher));
    EXPECT_EQ(cipher, "ECDHE-ECDSA-AES256-GCM-SHA384");
    EXPECT_TRUE(handshake({TLS1_2_VERSION, TLS1_2_VERSION, "ECDHE-ECDSA-CHACHA20-POLY1305"}));
    EXPECT_TRUE(handshake({TLS1_3_VERSION, TLS1_3_VERSION, ""}, &cipher));
    EXPECT_EQ(cipher, "TLS_AES_128_GCM_SHA256");
}

}  // namespace
}  // namespace quorvane::test
