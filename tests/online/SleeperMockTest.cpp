// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "FollowProgram.h"
#include "LoopbackService.h"
#include "RoomJson.h"
#include "SleeperFixture.h"
#include "online/FollowDraft.h"
#include "online/SleeperRoom.h"
#include "platform/CurlTransfer.h"
#include "room/DraftPicks.h"
#include "session/FollowConversation.h"
#include "session/LiveRoom.h"

namespace quorvane::test {
namespace {

// A mock draft as Sleeper sends it: no roster ids anywhere, `slot_to_roster_id` null or absent,
// and a draft order that names only the user who started it.
std::string mockDraft(const std::string& type, int teams, long long lastPicked,
                      const std::string& settingsExtra, bool slotsNull) {
    std::string draft = R"({"draft_id":"2001","league_id":null,"type":")" + type +
                        R"(","status":"drafting","sport":"nba","season":"2019","last_picked":)" +
                        std::to_string(lastPicked) + R"(,"settings":{"teams":)" +
                        std::to_string(teams) + R"(,"rounds":4,"pick_timer":60,"cpu_autopick":1)" +
                        settingsExtra + R"(},"draft_order":{"u1":3},"creators":["u1"],)" +
                        R"("metadata":{"name":"Mock Draft","scoring_type":"points"})";
    return draft + (slotsNull ? R"(,"slot_to_roster_id":null})" : "}");
}

// draft_slot is all a mock pick says of its team; round 2 of the snake runs back from slot 4.
const RoomPickJson kJokic{1, 1, 1, 0, "2101", "Nikola", "Jokic", "DEN", "C"};
const RoomPickJson kHarden{2, 1, 2, 0, "2102", "James", "Harden", "HOU", "PG"};
const RoomPickJson kDurant{3, 1, 3, 0, "2103", "Kevin", "Durant", "GSW", "SF"};
const RoomPickJson kDavis{4, 1, 4, 0, "2104", "Anthony", "Davis", "NOP", "PF-C"};
const RoomPickJson kLillard{5, 2, 4, 0, "2105", "Damian", "Lillard", "POR", "PG"};
const RoomPickJson kTowns{6, 2, 3, 0, "2106", "Karl-Anthony", "Towns", "MIN", "C"};

TEST(SleeperMock, ASnakeWithoutRosterIdsPutsEachPickOnTheTeamAtItsSlot) {
    FollowProgram draft(4, kDraftTypeSnake);
    SleeperFixture fixture(
        {{mockDraft("snake", 4, 1000, "", true),
          roomPicksJson({kJokic, kHarden, kDurant, kDavis, kLillard, kTowns}, true)}});
    CurlTransfer transfer(trustedCertificate().certFile);
    SleeperRoom room(transfer, "2001", fixture.baseUrl());
    const FollowSync sync = followDraft(draft.state, draft.dialogs, room);
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << draft.dialogs.lastText();
    EXPECT_EQ(draft.picks(), (std::vector<std::string>{"1:4351>Owner 1/C", "2:3879>Owner 2/G",
                                                       "3:3769>Owner 3/F", "4:4065>Owner 4/C",
                                                       "5:4076>Owner 4/G", "6:4338>Owner 3/C"}));
    // Pick 7 is slot 2's; Owner 1 at slot 1 has pick 8.
    EXPECT_EQ(
        liveBanner(draft.state, readDraftPicks(draft.state).value_or(std::vector<DraftPick>{})),
        "Round 2 \u00b7 Pick 3 (#7) \u2014 Owner 2 on the clock \u00b7 you pick in 1 "
        "\u00b7 following Sleeper draft 2001");
}

TEST(SleeperMock, AnAuctionWithoutRosterIdsPutsEachBuyOnTheBuyersSlotAtItsPrice) {
    FollowProgram draft(3, kDraftTypeAuction);
    // No slot_to_roster_id at all; the buyer's slot is the pick's draft_slot.
    const RoomPickJson jokic{1, 1, 3, 0, "2101", "Nikola", "Jokic", "DEN", "C", false, "57"};
    const RoomPickJson harden{2, 1, 1, 0, "2102", "James", "Harden", "HOU", "PG", false, "41"};
    const RoomPickJson durant{3, 1, 3, 0, "2103", "Kevin", "Durant", "GSW", "SF", false, "141"};
    SleeperFixture fixture({{mockDraft("auction", 3, 1000, R"(,"budget":200)", false),
                             roomPicksJson({jokic, harden, durant}, true)}});
    CurlTransfer transfer(trustedCertificate().certFile);
    SleeperRoom room(transfer, "2001", fixture.baseUrl());
    const FollowSync sync = followDraft(draft.state, draft.dialogs, room);
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Synced) << draft.dialogs.lastText();
    // Slot 3 pays 57 + 141 = 198, keeping the minimum bid for each of its two other open slots.
    EXPECT_EQ(draft.picks(),
              (std::vector<std::string>{"1:4351>Owner 3/C $57", "2:3879>Owner 1/G $41",
                                        "3:3769>Owner 3/F $141"}));
}

}  // namespace
}  // namespace quorvane::test
