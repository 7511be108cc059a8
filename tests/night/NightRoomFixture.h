// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include <nlohmann/json.hpp>

#include "../valuation/LeagueFixture.h"
#include "NightClient.h"
#include "night/NightHost.h"
#include "night/NightServer.h"

namespace quorvane::test {

// A three-team league of three places each (a centre and two utility slots), $100 and a $1
// minimum, six players; the host serves it on a loopback port of its own.
class NightRoom : public ::testing::Test {
  protected:
    void SetUp() override { SetUp(kDraftTypeAuction); }

    void SetUp(int drafttype) {
        league.emplace(program, 3, drafttype, kScoringRotisserie);
        league->rosterSlots({.C = 1, .UT = 2}).money(100, 1).categories({{1, 1}});
        for (int id = 11; id <= 16; ++id) {
            league->player(PlayerRow{.playerid = id,
                                     .lastname = "Player" + std::to_string(id),
                                     .ftm = 100 - id,
                                     .fgm = 200,
                                     .fga = 400,
                                     .PG = id > 13 ? 1 : 0,
                                     .C = id <= 13 ? 1 : 0,
                                     .games = 70});
        }
        league->load();
        startHost();
    }

    void TearDown() override { stopHost(); }

    void startHost() {
        std::string reason;
        host = NightHost::open({program.folder.str(), std::to_string(league->id), clocks},
                               NightServer::wallClockMs(), reason);
        ASSERT_TRUE(host) << reason;
        NightServerSettings settings;
        settings.addresses = {"127.0.0.1"};
        settings.pagesFolder = std::string(QUORVANE_SOURCE_DATA_DIR) + "/night";
        server = std::make_unique<NightServer>(*host, settings);
        ASSERT_TRUE(server->listen(reason)) << reason;
        port = server->port();
        for (const NightCodeRow& row : host->codes()) {
            (row.teamid == 0 ? commissioner : codes[row.teamid]) = row.code;
        }
        thread = std::thread([this] { server->run(); });
    }

    // What a host killed at this moment leaves behind: nothing but the file.
    void stopHost() {
        if (server) {
            server->stop();
            thread.join();
            server.reset();
            host.reset();
        }
    }

    int team(int position) { return league->teamId(position); }
    const std::string& codeOf(int position) { return codes[team(position)]; }
    HttpAnswer post(const std::string& path, const std::string& code, const nlohmann::json& body) {
        return httpRequest(port, "POST", path, code, body.dump());
    }
    nlohmann::json state(const std::string& code) {
        return nlohmann::json::parse(httpRequest(port, "GET", "/api/state", code).body);
    }

    TestProgram program;
    std::optional<League> league;
    NightClocks clocks{60000, 10000, 0};
    std::unique_ptr<NightHost> host;
    std::unique_ptr<NightServer> server;
    std::thread thread;
    int port = 0;
    std::string commissioner;
    std::map<int, std::string> codes;
};

class SnakeNight : public NightRoom {
  protected:
    void SetUp() override { NightRoom::SetUp(kDraftTypeSnake); }
};

}  // namespace quorvane::test
