// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/PlayerLists.h"
#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "room/Turns.h"
#include "session/RoomRefresh.h"
#include "session/TurnConversation.h"

namespace quorvane::test {
namespace {

struct ThreePlayerRoom : RoomFixture {
    ThreePlayerRoom() : RoomFixture(3, kDraftTypeSnake) {
        addPlayer({.playerid = 1, .firstname = "Sam", .lastname = "Shooter", .pos = "G"});
        addPlayer({.playerid = 2, .firstname = "Ben", .lastname = "Big", .pos = "C"});
        addPlayer({.playerid = 3, .firstname = "Al", .lastname = "Apostrophe's", .pos = "F"});
    }
    PlayerListView byName(const std::string& position) const {
        return {position, *availablePlayerColumn(*state.draftSettings(), "Name")};
    }
};

std::vector<std::string> ids(const std::optional<GridTable>& grid) {
    return grid ? column(*grid, "playerid") : std::vector<std::string>{"no list"};
}

TEST(PlayerListViews, EachCallerListsWithItsOwnFilterAndSortAndLeavesNoTrace) {
    ThreePlayerRoom draft;
    // "Apostrophe's, Al" < "Big, Ben" < "Shooter, Sam".
    EXPECT_EQ(
        ids(refreshMain(draft.state, draft.dialogs, draft.byName("All Players")).availablePlayers),
        (std::vector<std::string>{"3", "2", "1"}));
    EXPECT_EQ(
        ids(refreshMain(draft.state, draft.dialogs, draft.byName("centers")).availablePlayers),
        (std::vector<std::string>{"2"}));
    // Another caller on the same program state without a view of its own sees every player.
    EXPECT_EQ(
        ids(refreshMain(draft.state, draft.dialogs, PlayerListView{}).availablePlayers).size(), 3U);
    EXPECT_EQ(ids(refreshMain(draft.state, draft.dialogs, draft.byName("guards")).availablePlayers),
              (std::vector<std::string>{"1"}));
}

TEST(PlayerListViews, ASkipAndUndoRebuildTheListAsTheirCallerShowsIt) {
    ThreePlayerRoom draft;
    // What a pick shows at once builds no list: the room's refresh that follows does.
    const PickResult pick = recordPick(draft.state, draft.dialogs, 3, {draft.teamAt(1), "F", ""});
    ASSERT_EQ(pick.outcome, PickOutcome::Recorded);
    ASSERT_TRUE(pick.view && pick.view->money);
    EXPECT_FALSE(pick.view->availablePlayers);
    EXPECT_EQ(
        ids(refreshMain(draft.state, draft.dialogs, draft.byName("All Players")).availablePlayers),
        (std::vector<std::string>{"2", "1"}));

    const auto skipped = skipTurn(draft.state, draft.dialogs, draft.byName("guards"));
    ASSERT_TRUE(skipped);
    EXPECT_EQ(ids(skipped->availablePlayers), (std::vector<std::string>{"1"}));

    const auto undone = undoLastPick(draft.state, draft.dialogs, draft.byName("forwards"));
    ASSERT_TRUE(undone);
    EXPECT_TRUE(ids(undone->availablePlayers).empty());  // the forward is still taken
}

TEST(HeldDraft, APickReplacesTheProgramsDraftAndTheOneHeldBeforeKeepsItsTurn) {
    ThreePlayerRoom draft;
    const std::shared_ptr<const LoadedDraft> before = draft.state.loadedDraft;
    ASSERT_EQ(before->draftSettings->turnNumber, 1);
    const int first = draft.teamAt(1);
    const int second = draft.teamAt(2);

    ASSERT_EQ(recordPick(draft.state, draft.dialogs, 1, {first, "G", ""}).outcome,
              PickOutcome::Recorded);

    EXPECT_NE(draft.state.loadedDraft, before);
    EXPECT_EQ(draft.state.draftSettings()->turnNumber, 2);
    EXPECT_EQ(draft.memoryTurn(), "2U");
    // Whoever took the draft before the pick still reads it whole, as it was.
    EXPECT_EQ(before->draftSettings->turnNumber, 1);
    for (const DraftTeam& team : before->draftSettings->draftTeams) {
        EXPECT_EQ(team.currentpick, team.teamid == first ? 1 : 0) << team.teamname;
    }
    for (const DraftTeam& team : draft.state.draftSettings()->draftTeams) {
        EXPECT_EQ(team.currentpick, team.teamid == second ? 1 : 0) << team.teamname;
    }
}

}  // namespace
}  // namespace quorvane::test
