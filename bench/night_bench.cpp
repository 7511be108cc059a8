// SPDX-License-Identifier: MIT
// A draft night on the loopback: twelve phones and a board on the WebSocket, bids sent as the
// phones send them, each answered by the host, stored, and pushed to every screen.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <map>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "BenchSupport.h"
#include "NightClient.h"
#include "draftconfig/NewDraft.h"
#include "night/NightHost.h"
#include "night/NightServer.h"
#include "session/DraftConversation.h"

namespace {

using namespace quorvane;
using nlohmann::json;

constexpr int kTeams = 12;

// The sample's season, a twelve-team auction, its host serving on a loopback port with a lot
// open for an hour and thirteen screens connected.
class BenchNight {
  public:
    bool open(benchmark::State& bench) {
        if (!m_database.loadSampleProjections()) {
            bench.SkipWithError("sample projections not found");
            return false;
        }
        const auto id =
            createDraft(m_database.state, m_database.dialogs, {"Night", kTeams - 1, true, true});
        std::string reason;
        host = id ? NightHost::open(
                        {m_database.folder.string(), std::to_string(*id), {3600000, 10000, 0}},
                        NightServer::wallClockMs(), reason)
                  : nullptr;
        if (!host) {
            bench.SkipWithError(("no host: " + reason).c_str());
            return false;
        }
        NightServerSettings settings;
        settings.addresses = {"127.0.0.1"};
        server = std::make_unique<NightServer>(*host, settings);
        if (!server->listen(reason)) {
            bench.SkipWithError(reason.c_str());
            return false;
        }
        for (const NightCodeRow& row : host->codes()) {
            (row.teamid == 0 ? commissioner : codes[row.teamid]) = row.code;
            teams.push_back(row.teamid);
        }
        m_thread = std::thread([this] { server->run(); });
        for (const NightCodeRow& row : host->codes()) {
            screens.push_back(std::make_unique<test::ScreenClient>(server->port(), row.code));
            screens.back()->next();
        }
        return nominate();
    }

    ~BenchNight() {
        screens.clear();
        if (server) {
            server->stop();
            m_thread.join();
        }
    }

    // A new lot for the next team due, opened at $1 by the commissioner. The lot before it is
    // sold and the sale taken back, so that the bidders never run out of money.
    bool nominate(bool drain = true) {
        const int port = server->port();
        const json state =
            json::parse(test::httpRequest(port, "GET", "/api/state", commissioner).body);
        if (!state["lot"].is_null()) {
            test::httpRequest(port, "POST", "/api/close-lot", commissioner, "{}");
            test::httpRequest(port, "POST", "/api/undo", commissioner, "{}");
            if (drain) {
                drainScreens();
                drainScreens();
            }
            return nominate(drain);
        }
        if (lotPlayer == 0) {
            const json players =
                json::parse(test::httpRequest(port, "GET", "/api/players", commissioner).body);
            lotPlayer = players.at(0)["id"].get<int>();
        }
        amount = 1;
        const json body = {{"player", lotPlayer},
                           {"amount", amount},
                           {"team", state["nominating_team"].get<int>()}};
        const bool opened =
            test::httpRequest(port, "POST", "/api/nominate", commissioner, body.dump()).status ==
            200;
        if (drain) {
            drainScreens();
        }
        return opened;
    }

    void drainScreens() {
        for (auto& screen : screens) {
            screen->next();
        }
    }

    // A phone's bid of one more (`bidder` by draft position; the nominator, position 1, holds
    // the opening bid).
    int bid(int bidder) {
        ++amount;
        const json body = {{"player", lotPlayer}, {"amount", amount}};
        return test::httpRequest(server->port(), "POST", "/api/bid", codes[teams[bidder]],
                                 body.dump())
            .status;
    }

    std::unique_ptr<NightHost> host;
    std::unique_ptr<NightServer> server;
    std::string commissioner;
    std::map<int, std::string> codes;
    std::vector<int> teams;
    std::vector<std::unique_ptr<test::ScreenClient>> screens;
    int lotPlayer = 0;
    int amount = 1;

  private:
    bench::BenchDatabase m_database;
    std::thread m_thread;
};

// From the bid's request to the last of the thirteen screens holding the new state.
void BM_NightBidReachesEveryScreen(benchmark::State& bench) {
    BenchNight night;
    if (!night.open(bench)) {
        return;
    }
    int bidder = 2;
    for (auto _ : bench) {
        const auto start = std::chrono::steady_clock::now();
        if (night.bid(bidder) != 200) {
            bench.SkipWithError("bid refused");
            return;
        }
        for (auto& screen : night.screens) {
            if (screen->next().empty()) {
                bench.SkipWithError("a screen missed the bid");
                return;
            }
        }
        bench.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        bidder = bidder == 2 ? 3 : 2;
        if (night.amount >= 150) {
            bench.PauseTiming();
            night.nominate();
            bench.ResumeTiming();
        }
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_NightBidReachesEveryScreen)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(300)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Bids one after another as fast as the host answers them, the screens read beside: how many
// bids a second the host takes.
void BM_NightBidsASecond(benchmark::State& bench) {
    BenchNight night;
    if (!night.open(bench)) {
        return;
    }
    std::atomic<bool> done{false};
    std::vector<std::thread> readers;
    for (auto& screen : night.screens) {
        readers.emplace_back([&done, client = screen.get()] {
            while (!done && !client->next().empty()) {
            }
        });
    }
    int bidder = 2;
    for (auto _ : bench) {
        if (night.bid(bidder) != 200) {
            bench.SkipWithError("bid refused");
            break;
        }
        bidder = bidder == 2 ? 3 : 2;
        if (night.amount >= 150) {
            bench.PauseTiming();
            night.nominate(false);
            bench.ResumeTiming();
        }
    }
    bench.SetItemsProcessed(bench.iterations());
    done = true;
    for (std::thread& reader : readers) {
        reader.join();
    }
}
BENCHMARK(BM_NightBidsASecond)->Unit(benchmark::kMillisecond)->Iterations(1000)->UseRealTime();

}  // namespace
