// SPDX-License-Identifier: MIT
// The end of a straight or snake draft: after the last pick of the last round nobody is on the
// clock until an undo opens the draft again.
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/RecordPick.h"
#include "room/Turns.h"
#include "session/TurnConversation.h"

namespace quorvane::test {
namespace {

// Three teams, two rounds: six picks end the draft.
struct ShortDraft : RoomFixture {
    explicit ShortDraft(int drafttype) : RoomFixture(3, drafttype) {
        exec("update DraftTemplate set rounds = 2");
        setRoster(0, 9, 0, 0, 0, 0, 0, 0, 0);
        for (int i = 1; i <= 8; ++i) {
            addPlayer({.playerid = i, .firstname = "P", .lastname = "Player" + std::to_string(i)});
        }
    }
    PickOutcome pickFor(int playerid, int teamid) {
        return recordPick(state, dialogs, playerid, {teamid, "G", ""}).outcome;
    }
    // A pick through the add-player window as it opens: the team it preselects.
    PickOutcome pickFromWindow(int playerid) {
        const auto window = openAddPlayer(state, playerid);
        return recordPick(state, dialogs, playerid, window->form()).outcome;
    }
    std::vector<std::string> moneyCaptions() {
        std::vector<std::string> captions;
        const auto lines = showTeamMoney(state);
        for (const MoneyLine& line : *lines) {
            captions.push_back(line.caption + (line.bold ? " (bold)" : ""));
        }
        return captions;
    }
};

TEST(DraftEnd, LastPickOfTheLastRoundLeavesNobodyOnTheClock) {
    ShortDraft draft(kDraftTypeStraight);
    for (int playerid = 1; playerid <= 5; ++playerid) {
        ASSERT_EQ(draft.pickFromWindow(playerid), PickOutcome::Recorded);
    }
    EXPECT_EQ(draft.storedTurn(), "3U");
    EXPECT_FALSE(isDraftComplete(*draft.state.loadedDraft));

    ASSERT_EQ(draft.pickFromWindow(6), PickOutcome::Recorded);  // pick 2.3.6
    EXPECT_EQ(draft.storedTurn(), "0U");
    EXPECT_EQ(draft.memoryTurn(), "0U");
    EXPECT_EQ(teamOnTheClock(*draft.state.loadedDraft), 0);
    EXPECT_TRUE(isDraftComplete(*draft.state.loadedDraft));
    EXPECT_TRUE(refreshMain(draft.state, draft.dialogs, PlayerListView{}).draftComplete);
    EXPECT_EQ(draft.moneyCaptions(), (std::vector<std::string>{"Owner 1", "Owner 2", "Owner 3"}));

    // Skipping has no turn to move.
    ASSERT_TRUE(skipTurn(draft.state, draft.dialogs));
    EXPECT_EQ(draft.storedTurn(), "0U");

    // A further pick names its team: the window preselects none, and no team is refused.
    EXPECT_EQ(openAddPlayer(draft.state, 7)->teams.selected, -1);
    EXPECT_EQ(draft.pickFromWindow(7), PickOutcome::Stopped);
    EXPECT_EQ(draft.dialogs.messages.back().title, "No Team Selected");
    EXPECT_EQ(draft.picks(), 6);
    ASSERT_EQ(draft.pickFor(7, draft.teamAt(2)), PickOutcome::Recorded);
    EXPECT_EQ(draft.storedTurn(), "0U");
}

TEST(DraftEnd, MoreRoundsAddedAfterTheEndPutTheTeamOfTheNextTurnOnTheClock) {
    ShortDraft draft(kDraftTypeStraight);
    for (int playerid = 1; playerid <= 6; ++playerid) {
        ASSERT_EQ(draft.pickFromWindow(playerid), PickOutcome::Recorded);
    }
    draft.exec("update DraftTemplate set rounds = 3");
    draft.reload();
    EXPECT_FALSE(isDraftComplete(*draft.state.loadedDraft));

    // Turn #7 opens round three: position 1's, whatever the flags left by the end say. A pick
    // another team makes with it hands #8 to position 2.
    ASSERT_EQ(draft.pickFor(7, draft.teamAt(2)), PickOutcome::Recorded);
    EXPECT_EQ(draft.scalar("select draftorder from DraftTaken where playerid = 7"), 7);
    EXPECT_EQ(draft.storedTurn(), "2U");
    EXPECT_EQ(draft.memoryTurn(), "2U");
}

TEST(DraftEnd, UndoReopensTheDraftForTheTeamOfTheLastPick) {
    ShortDraft draft(kDraftTypeSnake);
    for (int playerid = 1; playerid <= 6; ++playerid) {
        ASSERT_EQ(draft.pickFromWindow(playerid), PickOutcome::Recorded);
    }
    // The second round ran down and ended with position 1, which keeps its direction.
    EXPECT_EQ(draft.storedTurn(), "0D");

    // A pick beyond the end, then its undo: the draft stays complete.
    ASSERT_EQ(draft.pickFor(7, draft.teamAt(3)), PickOutcome::Recorded);
    ASSERT_TRUE(undoLastPick(draft.state, draft.dialogs));
    EXPECT_EQ(draft.picks(), 6);
    EXPECT_EQ(draft.storedTurn(), "0D");

    ASSERT_TRUE(undoLastPick(draft.state, draft.dialogs));
    EXPECT_EQ(draft.picks(), 5);
    EXPECT_EQ(draft.scalar("select count(*) from DraftTaken where playerid = 6"), 0);
    EXPECT_EQ(draft.storedTurn(), "1D");
    EXPECT_EQ(draft.memoryTurn(), "1D");
    EXPECT_FALSE(refreshMain(draft.state, draft.dialogs, PlayerListView{}).draftComplete);
    EXPECT_EQ(draft.moneyCaptions()[0], "<<Owner 1 (bold)");

    // The same team takes the last pick again and the draft ends once more.
    ASSERT_EQ(draft.pickFromWindow(8), PickOutcome::Recorded);
    EXPECT_EQ(draft.scalar("select teamid from DraftTaken where playerid = 8"), draft.teamAt(1));
    EXPECT_EQ(draft.storedTurn(), "0D");
}

TEST(DraftEnd, AuctionsHaveNoEnd) {
    ShortDraft draft(kDraftTypeAuction);
    draft.setMoney(200, 1);
    for (int playerid = 1; playerid <= 7; ++playerid) {
        const PickForm bid{draft.teamAt(playerid % 3 + 1), "G", "1"};
        ASSERT_EQ(recordPick(draft.state, draft.dialogs, playerid, bid).outcome,
                  PickOutcome::Recorded);
    }
    EXPECT_EQ(draft.storedTurn(), "1U");
    EXPECT_FALSE(isDraftComplete(*draft.state.loadedDraft));
    EXPECT_EQ(lastPickOfDraft(*draft.state.draftSettings()), 0);
}

}  // namespace
}  // namespace quorvane::test
