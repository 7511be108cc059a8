// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "NightClient.h"
#include "NightRoomFixture.h"
#include "room/RecordPick.h"
#include "session/TurnConversation.h"

namespace quorvane::test {

using nlohmann::json;

TEST_F(NightRoom, ACodeActsOnlyForItsOwnTeamAndTheCommissionersForAny) {
    ASSERT_EQ(codes.size(), 3U);
    EXPECT_GE(commissioner.size(), 10U);
    // Position 1 nominates first: position 2's code may not, nor name position 1's team.
    EXPECT_EQ(post("/api/nominate", codeOf(2), {{"player", 11}, {"amount", 3}}).status, 403);
    EXPECT_EQ(
        post("/api/nominate", codeOf(2), {{"player", 11}, {"amount", 3}, {"team", team(1)}}).status,
        403);
    EXPECT_EQ(post("/api/pause", codeOf(1), json::object()).status, 403);
    const HttpAnswer forTeam =
        post("/api/nominate", commissioner, {{"player", 11}, {"amount", 3}, {"team", team(1)}});
    EXPECT_EQ(forTeam.status, 200) << forTeam.body;
    const HttpAnswer bid =
        post("/api/bid", commissioner, {{"player", 11}, {"amount", 5}, {"team", team(3)}});
    EXPECT_EQ(bid.status, 200) << bid.body;
    const json now = state(codeOf(2));
    EXPECT_EQ(now["lot"]["team"], team(3));
    EXPECT_EQ(now["lot"]["amount"], 5);
    // A number sent as text is a malformed request, not a bid of 12.
    EXPECT_EQ(
        httpRequest(port, "POST", "/api/bid", codeOf(2), R"({"player":"11","amount":6})").status,
        400);
    EXPECT_EQ(httpRequest(port, "POST", "/api/bid", codeOf(2), "{\"player\":11,").status, 400);
    EXPECT_EQ(httpRequest(port, "GET", "/commissioner", codeOf(2)).status, 403);
}

TEST_F(NightRoom, NothingButTheJoinPageWithoutACodeAndWrongCodesAreThrottled) {
    const HttpAnswer board = httpRequest(port, "GET", "/", "");
    EXPECT_EQ(board.status, 200);
    EXPECT_NE(board.body.find("Join the draft"), std::string::npos);
    EXPECT_EQ(httpRequest(port, "GET", "/api/state", "").status, 401);
    EXPECT_EQ(httpRequest(port, "GET", "/api/players", "").status, 401);
    EXPECT_EQ(httpRequest(port, "GET", "/night.js", "").body.find("Night"), std::string::npos);
    for (int attempt = 0; attempt < 5; ++attempt) {
        EXPECT_EQ(
            httpRequest(port, "GET", "/api/state", "wrongcode" + std::to_string(attempt)).status,
            401);
    }
    // The sixth wrong code, and then even the right one, waits.
    const HttpAnswer throttled = httpRequest(port, "GET", "/api/state", "wrongcode5");
    EXPECT_EQ(throttled.status, 429);
    EXPECT_EQ(throttled.retryAfter, "1");
    EXPECT_EQ(httpRequest(port, "GET", "/api/state", codeOf(1)).status, 429);
    // A request bigger than the limit is refused before it is read.
    EXPECT_EQ(httpRequest(port, "POST", "/api/bid", codeOf(1), std::string(9000, ' ')).status, 413);
}

TEST_F(NightRoom, JoiningSetsACookieThatOpensThePages) {
    const HttpAnswer joined =
        httpRequest(port, "POST", "/api/join", "", json{{"code", codeOf(2)}}.dump());
    ASSERT_EQ(joined.status, 200);
    EXPECT_EQ(json::parse(joined.body)["page"], "/team");
    EXPECT_NE(joined.setCookie.find("HttpOnly"), std::string::npos);
    EXPECT_NE(joined.setCookie.find("SameSite=Strict"), std::string::npos);
    EXPECT_EQ(
        json::parse(httpRequest(port, "POST", "/api/join", "", json{{"code", commissioner}}.dump())
                        .body)["page"],
        "/commissioner");
}

// Every change reaches a connected screen, and a sale is in the file by the time it does.
TEST_F(NightRoom, EveryChangeIsPushedAndASaleIsStoredBeforeItIs) {
    ScreenClient screen(port, codeOf(3));
    ASSERT_TRUE(screen.connected());
    const json first = json::parse(screen.next());
    EXPECT_TRUE(first["lot"].is_null());
    EXPECT_EQ(first["nominating_team"], team(1));

    ASSERT_EQ(post("/api/nominate", codeOf(1), {{"player", 12}, {"amount", 2}}).status, 200);
    const json opened = json::parse(screen.next());
    EXPECT_GT(opened["version"].get<std::uint64_t>(), first["version"].get<std::uint64_t>());
    EXPECT_EQ(opened["lot"]["player"], 12);
    EXPECT_EQ(opened["lot"]["seconds_left"], 60);

    ASSERT_EQ(post("/api/bid", codeOf(3), {{"player", 12}, {"amount", 9}}).status, 200);
    EXPECT_EQ(json::parse(screen.next())["lot"]["amount"], 9);
    // Outbid by nobody, too much, or the lot of another player.
    EXPECT_EQ(post("/api/bid", codeOf(2), {{"player", 12}, {"amount", 9}}).status, 409);
    EXPECT_EQ(post("/api/bid", codeOf(2), {{"player", 12}, {"amount", 99}}).status, 422);
    EXPECT_EQ(post("/api/bid", codeOf(2), {{"player", 13}, {"amount", 10}}).status, 409);

    ASSERT_EQ(post("/api/close-lot", commissioner, json::object()).status, 200);
    const json sold = json::parse(screen.next());
    EXPECT_TRUE(sold["lot"].is_null());
    ASSERT_EQ(sold["picks"].size(), 1U);
    EXPECT_EQ(sold["picks"][0]["team"], team(3));
    EXPECT_EQ(sold["picks"][0]["price"], 9);
    EXPECT_EQ(sold["nominating_team"], team(2));
    EXPECT_EQ(program.scalar("select dollars from DraftTaken where playerid = 12"), 9.0);
    // Charlie paid 9 of 100 and has two places left: 91 left, 91 - 1 = 90 his largest bid.
    for (const json& entry : sold["teams"]) {
        if (entry["team"] == team(3)) {
            EXPECT_EQ(entry["money"], 91);
            EXPECT_EQ(entry["max_bid"], 90);
            EXPECT_EQ(entry["open_slots"], 2);
        }
    }
}

TEST_F(NightRoom, ARestartedHostReopensTheLotWithItsHighBid) {
    ASSERT_EQ(post("/api/nominate", codeOf(1), {{"player", 11}, {"amount", 4}}).status, 200);
    ASSERT_EQ(post("/api/bid", codeOf(2), {{"player", 11}, {"amount", 7}}).status, 200);
    ASSERT_EQ(post("/api/pause", commissioner, json::object()).status, 200);
    stopHost();
    startHost();
    const json reopened = state(codeOf(1));
    EXPECT_EQ(reopened["lot"]["player"], 11);
    EXPECT_EQ(reopened["lot"]["amount"], 7);
    EXPECT_EQ(reopened["lot"]["team"], team(2));
    EXPECT_TRUE(reopened["paused"]);
    EXPECT_EQ(reopened["notice"], "The lot of First Player11 reopened at $7, high bid Owner 2");
    // The bids go on from where they were.
    ASSERT_EQ(post("/api/resume", commissioner, json::object()).status, 200);
    EXPECT_EQ(post("/api/bid", codeOf(3), {{"player", 11}, {"amount", 7}}).status, 409);
    EXPECT_EQ(post("/api/bid", codeOf(3), {{"player", 11}, {"amount", 8}}).status, 200);
}

TEST_F(NightRoom, ALotWhosePlayerWasDraftedMeanwhileIsCancelledOnRestart) {
    ASSERT_EQ(post("/api/nominate", codeOf(1), {{"player", 11}, {"amount", 4}}).status, 200);
    stopHost();
    ASSERT_EQ(storePick(program.state, program.dialogs, 11, PickForm{team(3), "C", "6"}).outcome,
              PickOutcome::Recorded);
    startHost();
    const json after = state(codeOf(1));
    EXPECT_TRUE(after["lot"].is_null());
    EXPECT_EQ(
        after["notice"].get<std::string>().rfind("The lot of First Player11 was cancelled: ", 0),
        0U);
    EXPECT_EQ(after["nominating_team"], team(2));
}

TEST_F(SnakeNight, TheTeamOnTheClockPicksAndTheCommissionerUndoes) {
    const json first = state(codeOf(1));
    ASSERT_EQ(first["turn"]["team"], team(1));
    EXPECT_EQ(post("/api/pick", codeOf(2), {{"player", 11}}).status, 403);
    ASSERT_EQ(post("/api/pick", codeOf(1), {{"player", 11}, {"pick", 1}}).status, 200);
    // The same pick sent twice is not made on the next turn.
    EXPECT_EQ(post("/api/pick", codeOf(2), {{"player", 12}, {"pick", 1}}).status, 409);
    EXPECT_EQ(post("/api/pick", codeOf(2), {{"player", 11}}).status, 422);
    const json second = state(codeOf(1));
    EXPECT_EQ(second["turn"]["team"], team(2));
    EXPECT_EQ(second["turn"]["pick"], 2);
    EXPECT_EQ(second["picks"][0]["round"], 1);
    EXPECT_EQ(program.scalar("select count(*) from DraftTaken where playerid = 11"), 1.0);
    ASSERT_EQ(post("/api/undo", commissioner, json::object()).status, 200);
    EXPECT_EQ(state(codeOf(1))["turn"]["team"], team(1));
    EXPECT_EQ(program.scalar("select count(*) from DraftTaken"), 0.0);
}

// The window records a pick while the host runs: the screens follow the file.
TEST_F(SnakeNight, APickAnotherProgramRecordsReachesTheScreens) {
    ScreenClient screen(port, codeOf(2));
    ASSERT_TRUE(screen.connected());
    screen.next();
    ASSERT_EQ(storePick(program.state, program.dialogs, 13, PickForm{team(1), "C", ""}).outcome,
              PickOutcome::Recorded);
    const json followed = json::parse(screen.next());
    EXPECT_EQ(followed["turn"]["team"], team(2));
    ASSERT_EQ(followed["picks"].size(), 1U);
    EXPECT_EQ(followed["picks"][0]["player"], 13);
}

}  // namespace quorvane::test
