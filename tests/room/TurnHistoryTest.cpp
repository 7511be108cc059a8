// SPDX-License-Identifier: MIT
// The turn history: pick numbers count turns, skips included, and Undo takes back the last entry
// whatever it was.
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "draftconfig/DraftList.h"
#include "room/ClockBanner.h"
#include "room/DraftBoard.h"
#include "room/DraftPicks.h"
#include "room/Keepers.h"
#include "room/MovePlayer.h"
#include "room/RecordPick.h"
#include "room/Turns.h"
#include "session/DraftConversation.h"
#include "session/KeeperConversation.h"
#include "session/MoveConversation.h"
#include "session/TurnConversation.h"
#include "session/TurnNews.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane::test {
namespace {

// Every player fits a reserve slot, and any slot question is answered Yes.
struct HistoryDraft : RoomFixture {
    HistoryDraft(int teams, int drafttype) : RoomFixture(teams, drafttype) {
        setRoster(0, 0, 0, 0, 0, 0, 0, 0, 20);
        for (int i = 1; i <= 40; ++i) {
            addPlayer({.playerid = i, .firstname = "Ann" + std::to_string(i), .lastname = "Lee"});
        }
    }
    void pick(int playerid, int teamid = 0, const std::string& dollars = "") {
        PickForm form{teamid > 0 ? teamid : teamOnTheClock(*state.loadedDraft), "R", dollars};
        dialogs.answers.assign(4, true);
        ASSERT_EQ(recordPick(state, dialogs, playerid, form).outcome, PickOutcome::Recorded);
    }
    std::string skip() { return skipTurnTold(state, dialogs)->news; }
    std::string undo() { return undoLastPickTold(state, dialogs)->news; }
    std::string banner() { return clockBanner(*state.loadedDraft, *readDraftPicks(state)); }
    int orderOf(int playerid) {
        return static_cast<int>(scalar("select draftorder from DraftTaken where playerid = " +
                                       std::to_string(playerid)));
    }
    int teamOf(int playerid) {
        return static_cast<int>(
            scalar("select teamid from DraftTaken where playerid = " + std::to_string(playerid)));
    }
    HistoryEntry entryOf(int playerid) {
        for (const HistoryEntry& entry :
             standingEntries(*readTurnHistory(state.dbConnection, draftId))) {
            if (entry.playerid == playerid) {
                return entry;
            }
        }
        return {};
    }
    // The stored history in order: kind and turn (the player for keepers and their undo), "-"
    // marking an entry an undo took back.
    std::string history() {
        const auto entries = readTurnHistory(state.dbConnection, draftId);
        std::string text;
        const auto standing = standingEntries(*entries);
        for (const HistoryEntry& entry : *entries) {
            const bool stands =
                entry.kind == HistoryKind::Undo ||
                std::any_of(standing.begin(), standing.end(),
                            [&](const HistoryEntry& s) { return s.entryid == entry.entryid; });
            text += (text.empty() ? "" : " ") + std::string(stands ? "" : "-") +
                    std::string(historyKindText(entry.kind)) +
                    std::to_string(entry.turn > 0 ? entry.turn : entry.playerid);
        }
        return text;
    }
};

const std::string kDot = " \u00b7 ";
const std::string kDash = " \u2014 ";

TEST(TurnSlots, SnakeRoundsRunBackAndStraightRoundsStartAgain) {
    // Twelve teams: round 2 is #13 … #24 from position 12 down to 1, round 3 starts at #25 with
    // position 1 again.
    const TurnSlot twentyThird = turnSlot(kDraftTypeSnake, 12, 23);
    EXPECT_EQ(twentyThird.round, 2);
    EXPECT_EQ(twentyThird.pick, 11);
    EXPECT_EQ(twentyThird.position, 2);  // 12 + 1 - 11
    EXPECT_EQ(twentyThird.direction, "D");
    EXPECT_EQ(turnSlot(kDraftTypeSnake, 12, 24).position, 1);
    const TurnSlot twentyFifth = turnSlot(kDraftTypeSnake, 12, 25);
    EXPECT_EQ(twentyFifth.round, 3);
    EXPECT_EQ(twentyFifth.pick, 1);
    EXPECT_EQ(twentyFifth.position, 1);
    EXPECT_EQ(twentyFifth.direction, "U");
    EXPECT_EQ(turnSlot(kDraftTypeSnake, 12, 26).position, 2);
    // Three teams straight: #5 is round 2's second pick, position 2, still running up.
    const TurnSlot fifth = turnSlot(kDraftTypeStraight, 3, 5);
    EXPECT_EQ(fifth.round, 2);
    EXPECT_EQ(fifth.pick, 2);
    EXPECT_EQ(fifth.position, 2);
}

TEST(SkippedTurns, KeepTheNumbersOfEveryLaterPickInATwelveTeamSnake) {
    HistoryDraft draft(12, kDraftTypeSnake);
    for (int player = 1; player <= 22; ++player) {
        draft.pick(player);
    }
    // Position 1 is the user's: after #23 (position 2) it picks #24.
    EXPECT_EQ(draft.banner(), "Round 2" + kDot + "Pick 11 (#23)" + kDash + "Owner 2 on the clock" +
                                  kDot + "you pick in 1");
    EXPECT_EQ(draft.skip(), "Skipped #23 Owner 2: Owner 1 on the clock");
    EXPECT_EQ(draft.banner(), "Round 2" + kDot + "Pick 12 (#24)" + kDash + "Owner 1 on the clock" +
                                  kDot + "your pick");

    draft.pick(23);  // position 1's round-2 pick
    draft.pick(24);  // and its round-3 pick at the turn
    EXPECT_EQ(draft.orderOf(23), 24);
    EXPECT_EQ(draft.orderOf(24), 25);
    EXPECT_EQ(draft.teamOf(24), draft.teamAt(1));
    // Owner 2's slot is #26; position 1 next picks at the end of round 4, #48: 22 turns on.
    EXPECT_EQ(draft.banner(), "Round 3" + kDot + "Pick 2 (#26)" + kDash + "Owner 2 on the clock" +
                                  kDot + "you pick in 22");
    EXPECT_EQ(draft.storedTurn(), "2U");

    const RosterGrid roster = getTeamRoster(draft.state, draft.teamAt(1)).grid;
    const auto labels = column(roster.table, "Rd.Sel.Ov");
    EXPECT_NE(std::find(labels.begin(), labels.end(), "2.12.24"), labels.end());
    EXPECT_NE(std::find(labels.begin(), labels.end(), "3.1.25"), labels.end());

    // The board: Owner 2's round-2 cell is the skipped one; Owner 1's picks sit in rounds 2
    // and 3; Owner 2 fills round 3 next.
    const DraftBoard board = *buildDraftBoard(draft.state);
    EXPECT_EQ(board.table.rows[1][2], "(skipped)");
    EXPECT_EQ(board.skipped, (std::vector<BoardCell>{{1, 2}}));
    EXPECT_EQ(board.table.rows[1][1].rfind("Ann23 Lee (", 0), 0U);
    EXPECT_EQ(board.table.rows[2][1].rfind("Ann24 Lee (", 0), 0U);
    EXPECT_EQ(board.table.rows[2][2], "");
    EXPECT_EQ(board.current, (BoardCell{2, 2}));
}

TEST(UndoAtTheSnakeTurn, TakesBackTheSkipAndLeavesTheTeamsPick) {
    HistoryDraft draft(4, kDraftTypeSnake);
    for (int player = 1; player <= 4; ++player) {
        draft.pick(player);
    }
    // Position 4 picked #4 and holds #5 at the turn; it skips that one.
    EXPECT_EQ(draft.skip(), "Skipped #5 Owner 4: Owner 3 on the clock");
    EXPECT_EQ(draft.undo(), "Undid a skip: Owner 4 on the clock");
    EXPECT_EQ(draft.picks(), 4);
    EXPECT_EQ(draft.teamOf(4), draft.teamAt(4));
    EXPECT_EQ(draft.storedTurn(), "4D");
    EXPECT_EQ(draft.memoryTurn(), "4D");

    EXPECT_EQ(draft.undo(), "Undid #4 Ann4 Lee, Owner 4");
    EXPECT_EQ(draft.picks(), 3);
    EXPECT_EQ(draft.storedTurn(), "4U");
    // Nothing is lost from the record: the skip and the pick stay, each marked taken back.
    EXPECT_EQ(draft.history(), "pick1 pick2 pick3 -pick4 -skip5 undo5 undo4");
}

TEST(ReopenedDrafts, KeepTheirHistoryAndUndoTheSkipAtTheTurnAsASkip) {
    HistoryDraft draft(4, kDraftTypeSnake);
    for (int player = 1; player <= 4; ++player) {
        draft.pick(player);
    }
    // Position 4 takes #5 at the turn, thinks better of it, and skips #5 instead.
    draft.pick(5);
    EXPECT_EQ(draft.undo(), "Undid #5 Ann5 Lee, Owner 4");
    EXPECT_EQ(draft.skip(), "Skipped #5 Owner 4: Owner 3 on the clock");
    const std::string before = draft.history();
    EXPECT_EQ(before, "pick1 pick2 pick3 pick4 -pick5 undo5 skip5");
    closeConnection(draft.state.dbConnection);

    ProgramState again;
    ASSERT_TRUE(openFolder(again, draft.dialogs, draft.folder.str()));
    ASSERT_TRUE(openSelectedDraft(again, draft.dialogs, draft.draftId));
    // The stored history stands as it was, the taken-back pick included: nothing is rebuilt.
    const auto entries = readTurnHistory(again.dbConnection, draft.draftId);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->size(), 7U);
    EXPECT_EQ(entries->back().kind, HistoryKind::Skip);
    EXPECT_EQ(entries->back().turn, 5);
    for (const std::string& line : draft.logLines()) {
        EXPECT_EQ(line.find("rebuilt"), std::string::npos) << line;
    }
    // #6 is position 3's, #7 position 2's, #8 the user's (position 1).
    EXPECT_EQ(
        clockBanner(*again.loadedDraft, *readDraftPicks(again)),
        "Round 2" + kDot + "Pick 2 (#6)" + kDash + "Owner 3 on the clock" + kDot + "you pick in 2");

    EXPECT_EQ(undoLastPickTold(again, draft.dialogs)->news, "Undid a skip: Owner 4 on the clock");
    EXPECT_EQ(again.draftSettings()->turnNumber, 5);
    EXPECT_EQ(undoLastPickTold(again, draft.dialogs)->news, "Undid #4 Ann4 Lee, Owner 4");
    const auto after = readTurnHistory(again.dbConnection, draft.draftId);
    ASSERT_TRUE(after);
    EXPECT_EQ(standingEntries(*after).size(), 3U);  // picks #1 to #3
    closeConnection(again.dbConnection);
}

TEST(UndoAfterASkip, TakesBackThePickThenTheSkipThenTheEarlierPick) {
    HistoryDraft draft(3, kDraftTypeStraight);
    draft.pick(1);
    EXPECT_EQ(draft.skip(), "Skipped #2 Owner 2: Owner 3 on the clock");
    draft.pick(2);
    EXPECT_EQ(draft.orderOf(2), 3);
    EXPECT_EQ(draft.banner(), "Round 2" + kDot + "Pick 1 (#4)" + kDash + "Owner 1 on the clock" +
                                  kDot + "your pick");

    EXPECT_EQ(draft.undo(), "Undid #3 Ann2 Lee, Owner 3");
    EXPECT_EQ(draft.storedTurn().front(), '3');
    EXPECT_EQ(draft.undo(), "Undid a skip: Owner 2 on the clock");
    EXPECT_EQ(draft.undo(), "Undid #1 Ann1 Lee, Owner 1");
    EXPECT_EQ(draft.undo(), "Nothing to undo");
    EXPECT_EQ(draft.storedTurn().front(), '1');
    EXPECT_EQ(draft.picks(), 0);
}

TEST(SkippedTurns, NoneIsRecordedOnceTheDraftIsComplete) {
    HistoryDraft draft(2, kDraftTypeStraight);
    draft.exec("update DraftTemplate set rounds = 1");
    draft.reload();
    draft.pick(1);
    draft.pick(2);
    ASSERT_TRUE(isDraftComplete(*draft.state.loadedDraft));
    const std::string before = draft.history();
    skipTurnTold(draft.state, draft.dialogs);
    EXPECT_EQ(draft.history(), before);
    EXPECT_EQ(draft.state.draftSettings()->turnNumber, 3);
}

TEST(StraightDrafts, NumberTheTurnAfterASkipAtTheWrap) {
    HistoryDraft draft(3, kDraftTypeStraight);
    for (int player = 1; player <= 3; ++player) {
        draft.pick(player);
    }
    EXPECT_EQ(draft.skip(), "Skipped #4 Owner 1: Owner 2 on the clock");
    draft.pick(4);
    EXPECT_EQ(draft.orderOf(4), 5);
    EXPECT_EQ(draft.teamOf(4), draft.teamAt(2));
    EXPECT_EQ(draft.banner(), "Round 2" + kDot + "Pick 3 (#6)" + kDash + "Owner 3 on the clock" +
                                  kDot + "you pick in 1");
}

TEST(UndoOfKeepers, ReachesAKeeperStoredDuringTheDraftButNotTheSetUp) {
    HistoryDraft draft(4, kDraftTypeSnake);
    ASSERT_EQ(addKeeper(draft.state, draft.dialogs, 30, draft.teamAt(3), "R", ""),
              KeeperOutcome::Added);
    EXPECT_EQ(draft.undo(), "Nothing to undo");
    EXPECT_TRUE(isKeeper(draft.state, draft.dialogs, 30));

    draft.pick(1);
    ASSERT_EQ(addKeeper(draft.state, draft.dialogs, 31, draft.teamAt(2), "R", ""),
              KeeperOutcome::Added);
    EXPECT_EQ(draft.undo(), "Undid keeper Ann31 Lee, Owner 2");
    EXPECT_FALSE(isKeeper(draft.state, draft.dialogs, 31));
    EXPECT_EQ(draft.orderOf(1), 1);
    EXPECT_EQ(draft.storedTurn(), "2U");  // a keeper holds no turn

    EXPECT_EQ(draft.undo(), "Undid #1 Ann1 Lee, Owner 1");
    EXPECT_EQ(draft.undo(), "Nothing to undo");
    EXPECT_TRUE(isKeeper(draft.state, draft.dialogs, 30));

    // A keeper removed in the keepers window is taken back in the history too.
    draft.dialogs.answers.assign(1, true);
    ASSERT_TRUE(removeKeeper(draft.state, draft.dialogs, 30));
    EXPECT_EQ(draft.history(), "-keeper30 -pick1 -keeper31 undo31 undo1 undo30");
}

TEST(AuctionUndo, TakesBackTheLastSaleWhoseNumberTheNextSaleGets) {
    HistoryDraft draft(3, kDraftTypeAuction);
    draft.pick(1, draft.teamAt(2), "5");
    draft.pick(2, draft.teamAt(3), "7");
    EXPECT_EQ(draft.skip(), "Nothing to skip in an auction");
    EXPECT_EQ(draft.undo(), "Undid #2 Ann2 Lee, Owner 3");
    draft.pick(3, draft.teamAt(1), "4");
    EXPECT_EQ(draft.orderOf(3), 2);
    EXPECT_EQ(draft.storedTurn(), "1U");
    EXPECT_EQ(draft.history(), "pick1 -pick2 undo2 pick2");
}

TEST(MovesAndDrops, KeepTheHistoryInStepWithThePicks) {
    HistoryDraft draft(4, kDraftTypeSnake);
    for (int player = 1; player <= 3; ++player) {
        draft.pick(player);
    }
    draft.dialogs.answers.assign(4, true);
    ASSERT_EQ(changePlayer(draft.state, draft.dialogs, 2, draft.teamAt(4), "R", "").outcome,
              MoveOutcome::Changed);
    const HistoryEntry moved = draft.entryOf(2);
    EXPECT_EQ(moved.teamid, draft.teamAt(4));
    EXPECT_EQ(moved.turn, 2);

    // A dropped pick leaves its turn skipped: the turn on the clock and later numbers stay.
    ASSERT_EQ(dropPlayer(draft.state, draft.dialogs, 2, draft.teamAt(4)).outcome,
              MoveOutcome::Changed);
    EXPECT_EQ(draft.history(), "pick1 skip2 pick3");
    EXPECT_EQ(draft.storedTurn(), "4U");
    EXPECT_EQ((*buildDraftBoard(draft.state)).table.rows[0][2], "(skipped)");
    draft.pick(4);
    EXPECT_EQ(draft.orderOf(4), 4);
    for (const std::string& line : draft.logLines()) {
        EXPECT_EQ(line.find("rebuilt"), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace quorvane::test
