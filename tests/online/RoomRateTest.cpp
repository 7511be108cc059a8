// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "FollowProgram.h"
#include "LoopbackService.h"
#include "RoomAnswersJson.h"
#include "RoomService.h"
#include "SteppedClock.h"
#include "online/EspnRoom.h"
#include "online/FantraxRoom.h"
#include "online/FollowLoop.h"
#include "platform/CurlTransfer.h"
#include "session/FollowConversation.h"

namespace quorvane::test {
namespace {

using namespace std::chrono_literals;

constexpr const char* kEspnLeague = "/apis/v3/games/fba/seasons/2019/segments/0/leagues/123456";
constexpr const char* kEspnPlayers = "/apis/v3/games/fba/seasons/2019/players";

// A room followed on the stepped clock until `stopAt`; the status lines it showed.
struct TimedFollow : FollowProgram {
    TimedFollow() : FollowProgram(4, kDraftTypeSnake) {}

    FollowStatus run(Room& room, std::chrono::milliseconds stopAt) {
        clock.at(stopAt, [this] { stop = true; });
        FollowLoop::Events events;
        events.status = [this](const FollowStatus& status) {
            lines.push_back(followStatusLine(status, clock.now()));
        };
        FollowLoop loop = followLoopTold(state, dialogs, room, clock, events);
        return loop.run(stop);
    }

    RoomService service;
    CurlTransfer transfer{trustedCertificate().certFile};
    SteppedClock clock;
    std::atomic<bool> stop{false};
    std::vector<std::string> lines;
};

std::vector<EspnPickJson> espnSlots(int made) {
    const std::vector<std::string> players{"3112335", "3992"};
    std::vector<EspnPickJson> slots;
    for (int pick = 1; pick <= 8; ++pick) {
        slots.push_back({pick, (pick - 1) / 4 + 1, pick <= 4 ? pick : 9 - pick,
                         pick <= made ? players[static_cast<std::size_t>(pick - 1)] : "-1"});
    }
    return slots;
}

const std::vector<EspnTeamJson> kEspnTeams{
    {1, "One", "", ""}, {2, "Two", "", ""}, {3, "Three", "", ""}, {4, "Four", "", ""}};

TEST(RoomRate, EspnIsAskedEveryTenSecondsAndSaysWhileNoPickIsPublished) {
    TimedFollow follow;
    int published = 0;
    follow.service.serve(kEspnLeague, [&published] {
        return Served{
            200,
            espnLeagueJson("SNAKE", false, true, {1, 2, 3, 4}, kEspnTeams, espnSlots(published)),
            {},
            0ms};
    });
    follow.service.serve(kEspnPlayers, espnSamplePlayers());
    // ESPN publishes two picks at once after 35 s.
    follow.clock.at(35s, [&published] { published = 2; });
    EspnRoom room(follow.transfer, "123456", 2019, std::nullopt, follow.state.dataFolder,
                  follow.service.address("/apis/v3"));
    follow.run(room, 59500ms);
    // The league at 0, 10, ..., 50 s; the player list once, when the picks came at 40 s.
    EXPECT_EQ(follow.service.calls(kEspnLeague), 6);
    EXPECT_EQ(follow.service.calls(kEspnPlayers), 1);
    EXPECT_EQ(follow.picks(), (std::vector<std::string>{"1:4351>Owner 1/C", "2:3879>Owner 2/G"}));
    ASSERT_GE(follow.lines.size(), 2u);
    EXPECT_EQ(follow.lines.front(),
              "Following \u00b7 0 picks \u00b7 last change 0 s ago \u00b7 ESPN has not "
              "published this draft's picks yet");
    EXPECT_EQ(follow.lines[follow.lines.size() - 2],
              "Following \u00b7 2 picks \u00b7 last change 10 s ago");
}

TEST(RoomRate, FantraxIsAskedEveryFiveSecondsAndItsLeagueOnce) {
    TimedFollow follow;
    const std::vector<std::pair<std::string, std::string>> teams{
        {"t1a", "One"}, {"t2b", "Two"}, {"t3c", "Three"}, {"t4d", "Four"}};
    follow.service.serve("/fxea/general/getLeagueInfo", fantraxLeagueJson(teams));
    follow.service.serve("/fxea/general/getPlayerIds", fantraxSamplePlayers());
    follow.service.serve("/fxea/general/getDraftResults",
                         fantraxDraftJson("SNAKE", "IN_PROGRESS", {"t1a", "t2b", "t3c", "t4d"},
                                          {{1, 1, "t1a", "02xkq"}, {1, 2, "t2b", ""}}));
    FantraxRoom room(follow.transfer, "fx8k2m", follow.state.dataFolder,
                     follow.service.address("/fxea/general"));
    follow.run(room, 119500ms);
    // Two minutes: the draft at 0, 5, ..., 115 s (24), the league and the player list once.
    EXPECT_EQ(follow.service.calls("/fxea/general/getDraftResults"), 24);
    EXPECT_EQ(follow.service.calls("/fxea/general/getLeagueInfo"), 1);
    EXPECT_EQ(follow.service.calls("/fxea/general/getPlayerIds"), 1);
    EXPECT_EQ(follow.picks(), (std::vector<std::string>{"1:4351>Owner 1/C"}));
}

TEST(RoomRate, ARefusedAnswerStopsTheLoopWithTheRoomAndTheProblemInItsStatus) {
    TimedFollow follow;
    follow.service.serve(kEspnPlayers, espnSamplePlayers());
    std::vector<EspnPickJson> twice = espnSlots(1);
    twice[1].pickNo = 1;
    twice[1].playerId = "3992";
    follow.service.serve(kEspnLeague,
                         espnLeagueJson("SNAKE", false, true, {1, 2, 3, 4}, kEspnTeams, twice));
    EspnRoom room(follow.transfer, "123456", 2019, std::nullopt, follow.state.dataFolder,
                  follow.service.address("/apis/v3"));
    const FollowStatus status = follow.run(room, 59500ms);
    EXPECT_EQ(status.state, FollowStatus::State::Failed);
    EXPECT_EQ(follow.lines.back(),
              "Stopped \u00b7 ESPN league 123456 sent an answer that cannot be followed: pick 1 "
              "appears twice. Nothing of that answer was recorded.");
    EXPECT_EQ(follow.service.calls(kEspnLeague), 1);
    EXPECT_TRUE(follow.picks().empty());
}

}  // namespace
}  // namespace quorvane::test
