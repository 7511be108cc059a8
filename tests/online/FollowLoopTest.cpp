// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "FollowProgram.h"
#include "LoopbackService.h"
#include "RoomJson.h"
#include "SleeperFixture.h"
#include "SteppedClock.h"
#include "online/FollowLoop.h"
#include "online/SleeperRoom.h"
#include "platform/CurlTransfer.h"
#include "session/FollowConversation.h"

namespace quorvane::test {
namespace {

using namespace std::chrono_literals;
using Clock = FollowClock;

std::string snake(const std::string& status, long long lastPicked) {
    return roomDraftJson("snake", status, 4, 4, 0, R"({"1":1,"2":2,"3":3,"4":4})", lastPicked);
}

const RoomPickJson kJokic{1, 1, 1, 1, "2101", "Nikola", "Jokic", "DEN", "C"};
const RoomPickJson kHarden{2, 1, 2, 2, "2102", "James", "Harden", "HOU", "PG"};

struct FollowedRoom : FollowProgram {
    explicit FollowedRoom(std::vector<RoomMoment> moments)
        : FollowProgram(4, kDraftTypeSnake),
          fixture(std::move(moments)),
          room(transfer, "2001", fixture.baseUrl(), [this] { return clock.epochMilliseconds(); }) {}

    FollowStatus run() {
        FollowLoop::Events events;
        events.status = [this](const FollowStatus& status) {
            lines.push_back(followStatusLine(status, clock.now()));
        };
        FollowLoop loop = followLoopTold(state, dialogs, room, clock, events);
        return loop.run(stop);
    }
    // Stops the follower at `when`; the calls it made until then are what a minute costs.
    void stopAt(std::chrono::milliseconds when) {
        clock.at(when, [this] { stop = true; });
    }
    int calls() const { return fixture.draftCalls() + fixture.picksCalls(); }

    SleeperFixture fixture;
    CurlTransfer transfer{trustedCertificate().certFile};
    SteppedClock clock;
    SleeperRoom room;
    std::atomic<bool> stop{false};
    std::vector<std::string> lines;
};

TEST(FollowLoop, BacksOffOnTooManyRequestsThenRecordsAndStopsWhenTheDraftIsComplete) {
    FollowedRoom room({{snake("drafting", 1000), roomPicksJson({kJokic})},
                       {snake("complete", 2000), roomPicksJson({kJokic, kHarden})}});
    room.fixture.refuseNext(429, 3);
    room.clock.at(50s, [&room] { room.fixture.next(); });

    const FollowStatus status = room.run();
    EXPECT_EQ(status.state, FollowStatus::State::Complete);
    // 429 at 0 s, 6 s and 18 s (3 s doubled, then doubled again), the draft answers at 42 s,
    // then every 3 s: 45, 48, 51 sees it complete.
    EXPECT_EQ(room.clock.seconds(), 51);
    ASSERT_GE(room.lines.size(), 4u);
    EXPECT_EQ(room.lines[0], "Waiting 6 s \u00b7 the room answered 429 \u00b7 0 picks");
    EXPECT_EQ(room.lines[1], "Waiting 12 s \u00b7 the room answered 429 \u00b7 0 picks");
    EXPECT_EQ(room.lines[2], "Waiting 24 s \u00b7 the room answered 429 \u00b7 0 picks");
    EXPECT_EQ(room.lines[3], "Following \u00b7 1 pick \u00b7 last change 0 s ago");
    EXPECT_EQ(room.lines.back(), "Draft complete \u00b7 2 picks");
    EXPECT_EQ(room.picks(), (std::vector<std::string>{"1:4351>Owner 1/C", "2:3879>Owner 2/G"}));
    // Followed no longer: the banner is the draft's own again.
    EXPECT_EQ(room.scalar("select following from DraftFollow"), 0);
}

TEST(FollowLoop, ARetryAfterLongerThanTheBackOffIsWaitedOut) {
    FollowedRoom room({{snake("drafting", 1000), roomPicksJson({kJokic})}});
    room.fixture.refuseNext(503, 1, 20);
    room.stopAt(30s);
    room.run();
    // 503 at 0 s, then 20 s, 23 s, 26 s, 29 s: four draft reads and one of the picks.
    EXPECT_EQ(room.fixture.draftCalls(), 5);
    EXPECT_EQ(room.fixture.picksCalls(), 1);
    EXPECT_EQ(room.lines.front(), "Waiting 20 s \u00b7 the room answered 503 \u00b7 0 picks");
}

TEST(FollowRate, AQuietRoomCostsTwentyCallsAMinute) {
    FollowedRoom room({{snake("drafting", 1000), roomPicksJson({kJokic})}});
    room.stopAt(59500ms);
    room.run();
    // The draft at 0, 3, ..., 57 s; the picks once, at the start.
    EXPECT_EQ(room.fixture.draftCalls(), 20);
    EXPECT_EQ(room.fixture.picksCalls(), 1);
    // Every request asks with a query of its own, so the edge cannot answer from its cache.
    const auto queries = room.fixture.queries();
    EXPECT_EQ(std::set<std::string>(queries.begin(), queries.end()).size(), queries.size());
}

TEST(FollowRate, APickEveryThreeSecondsAddsTheirPicksReads) {
    std::vector<RoomMoment> moments;
    for (int moment = 0; moment <= 20; ++moment) {
        moments.push_back({snake("drafting", 1000 + moment), "[]"});
    }
    FollowedRoom room(moments);
    for (int change = 0; change < 20; ++change) {
        room.clock.at(std::chrono::milliseconds(1500 + 3000 * change),
                      [&room] { room.fixture.next(); });
    }
    room.stopAt(59500ms);
    room.run();
    EXPECT_EQ(room.fixture.draftCalls(), 20);
    EXPECT_EQ(room.fixture.picksCalls(), 20);
}

TEST(FollowRate, AnAuctionPlayerUpChangingEverySecondIsHeldToSixtyCallsAMinute) {
    std::vector<RoomMoment> moments;
    for (int moment = 0; moment <= 120; ++moment) {
        moments.push_back(
            {roomDraftJson("auction", "drafting", 4, 4, 0, R"({"1":1,"2":2,"3":3,"4":4})",
                           1000 + moment, R"({"nominated_player_id":"2101","highest_offer":"7"})"),
             "[]"});
    }
    FollowedRoom room(moments);
    for (int change = 0; change < 120; ++change) {
        room.clock.at(std::chrono::milliseconds(500 + 1000 * change),
                      [&room] { room.fixture.next(); });
    }
    room.stopAt(59500ms);
    room.run();
    // A draft and a picks read each second from 0 to 29 s use up the 60; the next is at 60 s.
    EXPECT_EQ(room.fixture.draftCalls(), 30);
    EXPECT_EQ(room.fixture.picksCalls(), 30);
}

TEST(FollowRate, ARoomThatKeepsRefusingIsAskedEverSeldomerUpToOnceAMinute) {
    FollowedRoom room({{snake("drafting", 1000), "[]"}});
    room.fixture.refuseNext(429, 1000);
    room.stopAt(239500ms);
    room.run();
    // 0, 6, 18, 42 s in the first minute, then 90 (48 s later), 150 and 210 (60 s each).
    EXPECT_EQ(room.calls(), 7);
    ASSERT_GE(room.lines.size(), 2u);
    EXPECT_EQ(room.lines[room.lines.size() - 2],
              "Waiting 60 s \u00b7 the room answered 429 \u00b7 0 picks");
    EXPECT_EQ(room.lines.back(), "Stopped");
}

}  // namespace
}  // namespace quorvane::test
