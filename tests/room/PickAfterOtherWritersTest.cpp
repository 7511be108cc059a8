// SPDX-License-Identifier: MIT
// A pick made after another program changed the draft reads the draft again under the lock; the
// program then holds what a fresh load of the file gives.
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "model/DraftLoader.h"
#include "room/RecordPick.h"
#include "session/TurnConversation.h"
#include "store/Connection.h"

namespace quorvane::test {
namespace {

void expectSameDraft(const DraftSettings& held, const DraftSettings& fresh) {
    EXPECT_EQ(held.turnNumber, fresh.turnNumber);
    EXPECT_EQ(held.draftdirection, fresh.draftdirection);
    ASSERT_EQ(held.draftTeams.size(), fresh.draftTeams.size());
    for (std::size_t i = 0; i < held.draftTeams.size(); ++i) {
        EXPECT_EQ(held.draftTeams[i].teamid, fresh.draftTeams[i].teamid) << i;
        EXPECT_EQ(held.draftTeams[i].teamname, fresh.draftTeams[i].teamname) << i;
        EXPECT_EQ(held.draftTeams[i].currentpick, fresh.draftTeams[i].currentpick) << i;
    }
}

TEST(PickAfterOtherWriters, TakesTheTurnTheFileHoldsAndLeavesTheDraftAsAFreshLoad) {
    // Three teams, snake: turns 1-3 go to the teams 1, 2, 3; turns 4-6 come back 3, 2, 1.
    RoomFixture room(3, kDraftTypeSnake);
    room.setRoster(1, 2, 0, 0, 1, 0, 0, 1, 0);
    for (int id = 1; id <= 5; ++id) {
        room.addPlayer({.playerid = id, .firstname = "P", .lastname = std::to_string(id)});
    }
    room.reload();
    ASSERT_EQ(recordPick(room.state, room.dialogs, 1, {room.teamAt(1), "G", ""}).outcome,
              PickOutcome::Recorded);
    {
        // Another program records turn 2, hands the turn to the third team and renames the
        // first, without a word to this one and without writing the turn history.
        Connection other;
        ASSERT_TRUE(openConnection(other, room.state.connectionString, Log()));
        ASSERT_TRUE(executeSql(other,
                               "insert into DraftTaken (template_id, playerid, teamid, pos, "
                               "draftorder, dollars) values (?, 2, ?, 'G', 2, 0)",
                               {std::int64_t{room.draftId}, std::int64_t{room.teamAt(2)}}));
        ASSERT_TRUE(executeSql(other,
                               "update DraftTeams set currentpick = (teamid = ?) where "
                               "template_id = ?",
                               {std::int64_t{room.teamAt(3)}, std::int64_t{room.draftId}}));
        ASSERT_TRUE(executeSql(other, "update DraftTeams set teamname = 'Renamed' where teamid = ?",
                               {std::int64_t{room.teamAt(1)}}));
    }

    // Turn 3 is the third team's.
    const PickResult result = recordPick(room.state, room.dialogs, 3, {room.teamAt(3), "G", ""});
    ASSERT_EQ(result.outcome, PickOutcome::Recorded) << room.dialogs.lastText();
    EXPECT_TRUE(room.dialogs.questions.empty());
    EXPECT_EQ(result.draftorder, 3);
    // The snake turns back: turn 4 is the third team's again.
    EXPECT_EQ(room.state.draftSettings()->turnNumber, 4);
    EXPECT_EQ(room.memoryTurn(), room.storedTurn());
    EXPECT_EQ(room.state.draftSettings()->draftTeams.front().teamname, "Renamed");

    const DraftSettings held = *room.state.draftSettings();
    loadDraft(room.state, room.draftId);
    expectSameDraft(held, *room.state.draftSettings());
}

}  // namespace
}  // namespace quorvane::test
