// SPDX-License-Identifier: MIT
// A room's answer is measured against this draft's own rounds, teams and money, and recorded all
// or none: what the room claims of its own counts for nothing here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FollowProgram.h"
#include "online/FollowDraft.h"
#include "online/RoomData.h"
#include "session/FollowConversation.h"

namespace quorvane::test {
namespace {

const RoomLink kRoom{RoomKind::Sleeper, "2001", 0};

RoomDraft roomDraft(const std::string& type, int teams, int rounds) {
    RoomDraft draft;
    draft.draftId = "2001";
    draft.status = "drafting";
    draft.type = type;
    draft.teams = teams;
    draft.rounds = rounds;
    for (int team = 1; team <= teams; ++team) {
        draft.order.push_back(team);
        draft.teamList.push_back({team, ""});
    }
    return draft;
}

// Pick `pickNo` by the room's team `team`, of a player the sample projections hold.
RoomPick roomPick(int pickNo, int team, const std::string& first, const std::string& last,
                  std::optional<std::string> price = {}) {
    RoomPick pick;
    pick.pickNo = pickNo;
    pick.team = team;
    pick.teamLabel = "roster " + std::to_string(team);
    pick.playerId = std::to_string(9000 + pickNo);
    pick.firstName = first;
    pick.lastName = last;
    pick.priceText = std::move(price);
    return pick;
}

// As many picks as the room claims, names the check never reaches.
std::vector<RoomPick> flood(int picks, int teams) {
    std::vector<RoomPick> all;
    for (int pick = 1; pick <= picks; ++pick) {
        all.push_back(roomPick(pick, (pick - 1) % teams + 1, "Nikola", "Jokic"));
    }
    return all;
}

}  // namespace

// The draft holds 4 teams × 13 rounds = 52 picks, whatever the room says it holds.
TEST(RoomClaims, RoundsOrTeamsTheRoomClaimsRecordNothingBeyondTheDraft) {
    FollowProgram program(4, kDraftTypeSnake);
    FollowSync rounds = syncRoomPicks(program.state, program.dialogs, kRoom,
                                      roomDraft("snake", 4, 100), flood(60, 4));
    EXPECT_EQ(rounds.outcome, FollowSync::Outcome::Failed);
    EXPECT_EQ(rounds.problem, "the answer holds 60 picks, more than the 52 the draft holds");

    FollowSync teams = syncRoomPicks(program.state, program.dialogs, kRoom,
                                     roomDraft("snake", 100, 4), flood(120, 100));
    EXPECT_EQ(teams.outcome, FollowSync::Outcome::Failed);
    EXPECT_EQ(teams.problem, "the answer holds 120 picks, more than the 52 the draft holds");
    EXPECT_TRUE(program.picks().empty());
}

// A $700 sale onto a team of $200, in a room that claims a budget of 100,000.
TEST(RoomClaims, ABudgetTheRoomClaimsBuysNothingPastTheDraftsOwnMoney) {
    FollowProgram program(4, kDraftTypeAuction);
    RoomDraft draft = roomDraft("auction", 4, 4);
    draft.budgetText = "100000";
    const FollowSync sync = syncRoomPicks(program.state, program.dialogs, kRoom, draft,
                                          {roomPick(1, 1, "Nikola", "Jokic", "700")});
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Failed);
    EXPECT_EQ(sync.problem,
              "pick 1's price \"700\" is outside 0 to 200 (what roster 1 can still pay)");
    EXPECT_TRUE(program.picks().empty());
}

// Roster 1 pays 57, then 142 of the 143 it has left; the room's own check lets that by, but
// this draft keeps $1 for each of the team's two other open slots (57 + 142 + 2 > 200), so
// the second sale asks a question nobody in a room can answer, and the first is not kept either.
// The sync tells nobody itself: what a person is to be told comes back with it.
TEST(RoomClaims, AnAnswerFailingAtItsSecondPickLeavesNothingRecorded) {
    FollowProgram program(4, kDraftTypeAuction);
    DraftSession& session = program.state;
    const FollowSync sync = syncRoomPicks(
        session, kRoom, roomDraft("auction", 4, 4),
        {roomPick(1, 1, "Nikola", "Jokic", "57"), roomPick(2, 1, "James", "Harden", "142")});
    EXPECT_EQ(sync.outcome, FollowSync::Outcome::Failed);
    EXPECT_TRUE(sync.recorded.empty());
    EXPECT_TRUE(program.picks().empty()) << program.picks().front();
    EXPECT_EQ(program.scalar("select count(*) from DraftFollowPicks"), 0.0);
    ASSERT_EQ(sync.told.size(), 1U);
    EXPECT_EQ(sync.told[0].title, "Follow Online Draft");
    EXPECT_EQ(sync.told[0].text,
              "Sleeper draft 2001: pick 2 (James Harden) was not recorded here, and nothing of "
              "the room's answer was: this draft asks \"The selected team does not have enough "
              "money to buy this player.  Do you want to still add this player to the team?\", "
              "which only a person can answer");
}

}  // namespace quorvane::test
