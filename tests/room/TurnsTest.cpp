// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/RecordPick.h"
#include "room/Turns.h"
#include "session/TurnConversation.h"
#include "session/TurnNews.h"
#include "vocabulary/TurnRules.h"

namespace quorvane::test {
namespace {

std::string walk(int drafttype, int teams, TurnPosition turn, int steps, bool forward) {
    std::string visited;
    for (int i = 0; i < steps; ++i) {
        turn = forward ? nextTurn(drafttype, teams, turn) : previousTurn(drafttype, teams, turn);
        visited += std::to_string(turn.position) + turn.direction + " ";
    }
    return visited;
}

TEST(SnakeTurns, EndTeamsPickTwiceAndTheDirectionTurns) {
    EXPECT_EQ(walk(kDraftTypeSnake, 4, {1, "U"}, 9, true), "2U 3U 4U 4D 3D 2D 1D 1U 2U ");
    EXPECT_EQ(walk(kDraftTypeSnake, 4, {2, "U"}, 9, false), "1U 1D 2D 3D 4D 4U 3U 2U 1U ");
}

TEST(StraightTurns, WrapAroundAtBothEnds) {
    EXPECT_EQ(walk(kDraftTypeStraight, 3, {2, "U"}, 4, true), "3U 1U 2U 3U ");
    EXPECT_EQ(walk(kDraftTypeStraight, 3, {2, "U"}, 4, false), "1U 3U 2U 1U ");
}

struct SnakeDraft : RoomFixture {
    SnakeDraft() : RoomFixture(4, kDraftTypeSnake) {
        for (int i = 1; i <= 6; ++i) {
            addPlayer({.playerid = i, .firstname = "P", .lastname = "Player" + std::to_string(i)});
        }
    }
    void turnTo(int position, const std::string& direction) {
        exec("update DraftTeams set currentpick = iif(draftposition = " + std::to_string(position) +
             ", 1, 0)");
        exec("update DraftTemplate set draftdirection = '" + direction + "'");
        reload();
    }
    void pick(int playerid) {
        PickForm form{teamOnTheClock(*state.loadedDraft), "G", ""};
        dialogs.answers.push_back(true);
        ASSERT_EQ(recordPick(state, dialogs, playerid, form).outcome, PickOutcome::Recorded);
    }
};

TEST(SkipAndUndo, SnakeEndsTurnAndComeBack) {
    SnakeDraft draft;
    draft.turnTo(4, "U");
    ASSERT_TRUE(skipTurn(draft.state, draft.dialogs));
    EXPECT_EQ(draft.storedTurn(), "4D");
    EXPECT_EQ(draft.memoryTurn(), "4D");
    ASSERT_TRUE(undoLastPick(draft.state, draft.dialogs));
    EXPECT_EQ(draft.storedTurn(), "4U");

    draft.turnTo(1, "D");
    ASSERT_TRUE(skipTurn(draft.state, draft.dialogs));
    EXPECT_EQ(draft.storedTurn(), "1U");
}

TEST(SkipAndUndo, UndoAfterAPickDeletesItAndAfterASkipOnlyMovesBack) {
    SnakeDraft draft;
    draft.pick(1);
    draft.pick(2);
    EXPECT_EQ(draft.storedTurn(), "3U");
    ASSERT_TRUE(skipTurn(draft.state, draft.dialogs));
    EXPECT_EQ(draft.storedTurn(), "4U");

    ASSERT_TRUE(undoLastPick(draft.state, draft.dialogs));  // the skip
    EXPECT_EQ(draft.storedTurn(), "3U");
    EXPECT_EQ(draft.picks(), 2);

    ASSERT_TRUE(undoLastPick(draft.state, draft.dialogs));  // the pick of position 2
    EXPECT_EQ(draft.storedTurn(), "2U");
    EXPECT_EQ(draft.picks(), 1);
    EXPECT_EQ(draft.scalar("select count(*) from DraftTaken where playerid = 2"), 0);
}

TEST(SkipAndUndo, UndoWithoutPicksTakesBackOneSkipAtATime) {
    SnakeDraft draft;
    ASSERT_TRUE(undoLastPick(draft.state, draft.dialogs));
    EXPECT_EQ(draft.storedTurn(), "1U");

    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(skipTurn(draft.state, draft.dialogs));
    }
    EXPECT_EQ(draft.storedTurn(), "3D");
    // Back through #5 (position 4, the second time at the turn), #4, … to #1.
    const std::vector<std::string> back{"4D", "4U", "3U", "2U", "1U", "1U"};
    for (const std::string& turn : back) {
        ASSERT_TRUE(undoLastPick(draft.state, draft.dialogs));
        EXPECT_EQ(draft.storedTurn(), turn);
    }
}

TEST(SkipAndUndo, StraightDraftWrapsBothWays) {
    RoomFixture draft(3, kDraftTypeStraight);
    draft.addPlayer({.playerid = 1, .firstname = "A", .lastname = "B"});
    const PickForm form{draft.teamAt(1), "G", ""};
    ASSERT_EQ(recordPick(draft.state, draft.dialogs, 1, form).outcome, PickOutcome::Recorded);
    EXPECT_EQ(draft.storedTurn().front(), '2');
    draft.exec("update DraftTeams set currentpick = iif(draftposition = 3, 1, 0)");
    draft.reload();
    ASSERT_TRUE(skipTurn(draft.state, draft.dialogs));
    EXPECT_EQ(draft.storedTurn().front(), '1');
    ASSERT_TRUE(undoLastPick(draft.state, draft.dialogs));
    EXPECT_EQ(draft.storedTurn().front(), '3');
}

TEST(SkipAndUndo, WithoutATeamOnTheClockTheHistoryNamesTheTurnSkipped) {
    // No team marked tells nothing of the turn: it is still #1, position 1's, and a skip moves
    // on to position 2 in either kind of draft.
    RoomFixture straight(3, kDraftTypeStraight);
    straight.exec("update DraftTeams set currentpick = 0");
    straight.reload();
    EXPECT_EQ(skipTurnTold(straight.state, straight.dialogs)->news,
              "Skipped #1 Owner 1: Owner 2 on the clock");
    EXPECT_EQ(straight.storedTurn().front(), '2');

    SnakeDraft snake;
    snake.exec("update DraftTeams set currentpick = 0");
    snake.reload();
    ASSERT_TRUE(skipTurn(snake.state, snake.dialogs));
    EXPECT_EQ(snake.storedTurn(), "2U");
}

TEST(SkipAndUndo, AuctionSkipChangesNothingAndUndoAlwaysDeletesTheLastPick) {
    RoomFixture auction(3, kDraftTypeAuction);
    for (int i = 1; i <= 2; ++i) {
        auction.addPlayer({.playerid = i, .firstname = "P", .lastname = std::to_string(i)});
    }
    ASSERT_TRUE(skipTurn(auction.state, auction.dialogs));
    EXPECT_EQ(auction.storedTurn(), "1U");

    // Pick 1 by the team on the clock, pick 2 by another team: the snake rule would name
    // neither, yet both are undone in turn.
    for (int i = 1; i <= 2; ++i) {
        const PickForm form{auction.teamAt(i), "G", "5"};
        ASSERT_EQ(recordPick(auction.state, auction.dialogs, i, form).outcome,
                  PickOutcome::Recorded);
    }
    ASSERT_TRUE(undoLastPick(auction.state, auction.dialogs));
    EXPECT_EQ(auction.scalar("select max(draftorder) from DraftTaken"), 1);
    ASSERT_TRUE(undoLastPick(auction.state, auction.dialogs));
    EXPECT_EQ(auction.picks(), 0);
    EXPECT_EQ(auction.storedTurn(), "1U");
}

TEST(SkipAndUndo, AFailingTurnUpdateLeavesTheTurnAsItWas) {
    SnakeDraft draft;
    draft.exec(
        "create trigger refuse before update of currentpick on DraftTeams begin "
        "select raise(abort, 'refused'); end");
    EXPECT_FALSE(skipTurn(draft.state, draft.dialogs));
    EXPECT_EQ(draft.storedTurn(), "1U");
    EXPECT_EQ(draft.memoryTurn(), "1U");
    ASSERT_FALSE(draft.dialogs.messages.empty());
    EXPECT_EQ(draft.dialogs.messages.back().title, "Database Error");
    EXPECT_NE(draft.logLines().back().find(" 60006 error: could not access database"),
              std::string::npos);
}

}  // namespace
}  // namespace quorvane::test
