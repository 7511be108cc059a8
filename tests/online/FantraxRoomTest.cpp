// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "FollowProgram.h"
#include "LoopbackService.h"
#include "RoomAnswersJson.h"
#include "RoomService.h"
#include "online/FantraxRoom.h"
#include "online/FollowDraft.h"
#include "platform/CurlTransfer.h"
#include "room/DraftPicks.h"
#include "session/FollowConversation.h"
#include "session/LiveRoom.h"

namespace quorvane::test {
namespace {

constexpr const char* kDraftPath = "/fxea/general/getDraftResults";
constexpr const char* kLeaguePath = "/fxea/general/getLeagueInfo";
constexpr const char* kPlayersPath = "/fxea/general/getPlayerIds";

// The league's teams by id t1a, t2b, t3c, t4d are the room's teams 1 to 4. The first round runs
// t3c, t1a, t4d, t2b: by default t3c is Owner 1, t1a Owner 2, t4d Owner 3, t2b Owner 4. Round 2
// runs back: t2b, t4d (traded to t1a), t1a, t3c.
const std::vector<std::string> kOrder{"t3c", "t1a", "t4d", "t2b"};
const std::vector<std::pair<std::string, std::string>> kTeams{{"t2b", "Downtown Dribblers"},
                                                              {"t1a", "Bench Mob"},
                                                              {"t3c", "Hoop Dreams"},
                                                              {"t4d", "Zone Defense"}};

std::vector<FantraxPickJson> snakeSlots(int made) {
    const std::vector<std::string> holders{"t3c", "t1a", "t4d", "t2b", "t2b", "t1a", "t1a", "t3c"};
    const std::vector<std::string> players{"02xkq", "01gdx", "00z1m", "02a4c",
                                           "01lll", "04ktw", "03pas"};
    std::vector<FantraxPickJson> slots;
    for (int pick = 1; pick <= 8; ++pick) {
        const auto at = static_cast<std::size_t>(pick - 1);
        slots.push_back({(pick - 1) / 4 + 1, pick, holders[at], pick <= made ? players[at] : ""});
    }
    return slots;
}

struct FantraxLeague : FollowProgram {
    explicit FantraxLeague(int drafttype = kDraftTypeSnake) : FollowProgram(4, drafttype) {
        service.serve(kLeaguePath, fantraxLeagueJson(kTeams));
        service.serve(kPlayersPath, fantraxSamplePlayers());
    }
    FollowSync follow() { return followDraft(state, dialogs, room); }

    RoomService service;
    CurlTransfer transfer{trustedCertificate().certFile};
    FantraxRoom room{transfer, "fx8k2m", state.dataFolder, service.address("/fxea/general")};
};

TEST(FantraxSnake, PicksLandByTheDraftOrderWithTheTradedPickAndTeamsKeepTheirNames) {
    FantraxLeague league;
    league.service.serve(kDraftPath,
                         fantraxDraftJson("SNAKE", "IN_PROGRESS", kOrder, snakeSlots(6)));
    FollowSync sync = league.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << league.dialogs.lastText();
    EXPECT_EQ(league.picks(),
              (std::vector<std::string>{"1:4351>Owner 1/C", "2:3879>Owner 2/G", "3:3769>Owner 3/F",
                                        "4:4065>Owner 4/C", "5:4076>Owner 4/G",
                                        // t4d's pick went to t1a, Owner 2
                                        "6:4338>Owner 2/C"}));
    ASSERT_EQ(sync.recorded.size(), 6u);
    EXPECT_EQ(sync.recorded[0].line, "Pick 1 \u00b7 Nikola Jokic to Owner 1 (C)");
    EXPECT_EQ(
        liveBanner(league.state, readDraftPicks(league.state).value_or(std::vector<DraftPick>{})),
        "Round 2 \u00b7 Pick 3 (#7) \u2014 Owner 2 on the clock \u00b7 you pick in 1 "
        "\u00b7 following Fantrax league fx8k2m");

    const RoomRead<RoomDraft> draft = league.room.readDraft();
    ASSERT_TRUE(draft.value);
    const auto teams = league.room.readTeams(*draft.value);
    ASSERT_TRUE(teams);
    ASSERT_EQ(teams->size(), 4u);
    EXPECT_EQ(roomTeamLabel(RoomKind::Fantrax, (*teams)[0]), "Bench Mob");  // t1a, team 1
    EXPECT_EQ(roomTeamLabel(RoomKind::Fantrax, (*teams)[2]), "Hoop Dreams");

    // The league is read once per follower; the player list once a day.
    league.service.serve(kDraftPath,
                         fantraxDraftJson("SNAKE", "IN_PROGRESS", kOrder, snakeSlots(7)));
    sync = league.follow();
    ASSERT_EQ(sync.recorded.size(), 1u);
    EXPECT_EQ(sync.recorded[0].line, "Pick 7 \u00b7 Pascal Siakam to Owner 2 (F)");
    EXPECT_EQ(league.service.calls(kLeaguePath), 1);
    EXPECT_EQ(league.service.calls(kPlayersPath), 1);
}

TEST(FantraxAuction, IsFollowedAsPicksWithoutPricesAndTheRoomSaysSo) {
    FantraxLeague league(kDraftTypeAuction);
    league.service.serve(kDraftPath,
                         fantraxDraftJson("AUCTION", "IN_PROGRESS", kOrder, snakeSlots(2)));
    const RoomRead<RoomDraft> draft = league.room.readDraft();
    ASSERT_TRUE(draft.value);
    EXPECT_EQ(draft.value->note, "Fantrax sends no auction prices: picks are recorded without one");
    const FollowSync sync = league.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << league.dialogs.lastText();
    EXPECT_EQ(league.picks(),
              (std::vector<std::string>{"1:4351>Owner 1/C $0", "2:3879>Owner 2/G $0"}));
}

TEST(FantraxErrors, AnErrorAnsweredWithHttp200StopsWithFantraxsOwnWords) {
    FantraxLeague league;
    league.service.serve(
        kLeaguePath, R"({"error":{"code":"WARNING_NOT_LOGGED_IN","message":"League is private"}})");
    const FollowSync sync = league.follow();
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Failed);
    EXPECT_EQ(league.dialogs.lastText(),
              "Fantrax league fx8k2m refused the request: League is private.");
    EXPECT_EQ(league.service.calls(kDraftPath), 0);
    EXPECT_TRUE(league.picks().empty());
}

}  // namespace
}  // namespace quorvane::test
