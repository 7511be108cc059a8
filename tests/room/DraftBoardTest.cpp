// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/ClockBanner.h"
#include "room/DraftBoard.h"
#include "room/DraftPicks.h"
#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "session/TurnConversation.h"

namespace quorvane::test {
namespace {

// A small league whose picks are made in the order the turn gives; every player is a guard.
struct BoardDraft : RoomFixture {
    BoardDraft(int teams, int drafttype, int rounds) : RoomFixture(teams, drafttype) {
        exec("update DraftTemplate set rounds = " + std::to_string(rounds));
        for (int i = 1; i <= 20; ++i) {
            addPlayer({.playerid = i,
                       .firstname = "Ann" + std::to_string(i),
                       .lastname = "Lee",
                       .draftorder = i});
        }
        reload();
    }
    void pick(int playerid, const std::string& dollars = "") {
        PickForm form{
            teamOnTheClock(*state.loadedDraft) > 0 ? teamOnTheClock(*state.loadedDraft) : teamAt(1),
            "UT", dollars};
        dialogs.answers.assign(4, true);
        ASSERT_EQ(recordPick(state, dialogs, playerid, form).outcome, PickOutcome::Recorded);
    }
    void makeMine(int position) {
        exec("update DraftTeams set owner = iif(draftposition = " + std::to_string(position) +
             ", 1, 0)");
        reload();
    }
    DraftBoard board() { return *buildDraftBoard(state); }
    std::string banner() { return clockBanner(*state.loadedDraft, *readDraftPicks(state)); }
    std::string details() { return clockBannerDetails(*state.loadedDraft, *readDraftPicks(state)); }
    std::string cell(const DraftBoard& board, int row, int column) {
        return board.table.rows.at(static_cast<std::size_t>(row))
            .at(static_cast<std::size_t>(column));
    }
};

TEST(DraftBoards, SnakeRoundsFillEachTeamsColumnAndMarkTheCellOnTheClock) {
    BoardDraft draft(3, kDraftTypeSnake, 3);
    draft.makeMine(2);
    for (int player = 1; player <= 4; ++player) {
        draft.pick(player);
    }
    const DraftBoard board = draft.board();
    EXPECT_EQ(board.table.headings,
              (std::vector<std::string>{"Round", "Owner 1", "Owner 2 (Mine)", "Owner 3"}));
    EXPECT_EQ(board.mineColumn, 2);
    ASSERT_EQ(board.table.rows.size(), 3U);
    EXPECT_EQ(draft.cell(board, 0, 1), "Ann1 Lee (G, RK 1)");
    // Position 3 picks twice at the turn: #3 in round one, #4 opening round two.
    EXPECT_EQ(draft.cell(board, 0, 3), "Ann3 Lee (G, RK 3)");
    EXPECT_EQ(draft.cell(board, 1, 3), "Ann4 Lee (G, RK 4)");
    EXPECT_EQ(draft.cell(board, 1, 1), "");
    // Pick #5 is position 2's in round two.
    EXPECT_EQ(board.current, (BoardCell{1, 2}));
}

TEST(DraftBoards, KeepersSitAboveTheRoundsAndStraightDraftsDoNotReverse) {
    BoardDraft draft(3, kDraftTypeStraight, 2);
    draft.exec(
        "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, dollars) "
        "values (" +
        std::to_string(draft.draftId) + ", 20, " + std::to_string(draft.teamAt(3)) +
        ", 'G', 0, 0)");
    draft.pick(1);
    // Owner 2 keeps no one: his cell on the clock is his first round's, below the keeper row.
    EXPECT_EQ(draft.board().current, (BoardCell{1, 2}));
    for (int player = 2; player <= 4; ++player) {
        draft.pick(player);
    }
    const DraftBoard board = draft.board();
    ASSERT_EQ(board.table.rows.size(), 3U);
    EXPECT_EQ(board.table.rows[0][0], "Keeper");
    EXPECT_EQ(draft.cell(board, 0, 3), "Ann20 Lee (G, RK 20)");
    EXPECT_EQ(board.keepers, (std::vector<BoardCell>{{0, 3}}));
    EXPECT_EQ(draft.cell(board, 2, 1), "Ann4 Lee (G, RK 4)");
    EXPECT_EQ(board.current, (BoardCell{2, 2}));
    EXPECT_EQ(board.mineColumn, 1);  // a new draft makes position 1 the user's

    // Cut to one round, the team on the clock has already made its pick: no cell is left.
    draft.exec("update DraftTemplate set rounds = 1");
    draft.reload();
    EXPECT_EQ(draft.board().current, std::nullopt);
}

TEST(DraftBoards, AuctionColumnsAddUpMoneyAndSpots) {
    BoardDraft draft(2, kDraftTypeAuction, 13);
    draft.setRoster(1, 1, 0, 0, 0, 0, 0, 1, 1);  // C, G, UT, R: three slots a bid must cover
    draft.setMoney(199.5, 1);
    draft.pick(1, "37");
    draft.pick(2, "12.25");
    const DraftBoard board = draft.board();
    const auto rowNamed = [&](const std::string& label) {
        for (std::size_t row = 0; row < board.table.rows.size(); ++row) {
            if (board.table.rows[row][0] == label) {
                return static_cast<int>(row);
            }
        }
        return -1;
    };
    // Both went to position 1's UT slot: the second finds it filled and goes to an NA row.
    EXPECT_EQ(draft.cell(board, rowNamed("UT"), 1), "Ann1 Lee $37.00");
    EXPECT_EQ(draft.cell(board, rowNamed("NA"), 1), "Ann2 Lee $12.25");
    // 37 + 12.25 = 49.25 spent; 199.5 - 49.25 = 150.25 left; with two players the team still
    // owes (3 - 1) - 2 = 0 minimum bids; 4 slots - 2 players = 2 spots.
    EXPECT_EQ(draft.cell(board, rowNamed("Spent"), 1), "$49.25");
    EXPECT_EQ(draft.cell(board, rowNamed("Left"), 1), "$150.25");
    EXPECT_EQ(draft.cell(board, rowNamed("Max Bid"), 1), "$150.25");
    EXPECT_EQ(draft.cell(board, rowNamed("Spots Left"), 1), "2");
    // The other team: 199.5 less a minimum bid for each of the other two slots.
    EXPECT_EQ(draft.cell(board, rowNamed("Max Bid"), 2), "$197.50");
    EXPECT_EQ(draft.cell(board, rowNamed("Spots Left"), 2), "4");
    EXPECT_FALSE(board.current);
}

TEST(ClockBanners, FollowASnakeTurnToTheUsersPickAndTheEnd) {
    BoardDraft draft(5, kDraftTypeSnake, 3);
    draft.makeMine(4);
    EXPECT_EQ(draft.banner(),
              "Round 1 \u00b7 Pick 1 (#1) \u2014 Owner 1 on the clock \u00b7 you pick in 3");
    for (int player = 1; player <= 7; ++player) {
        draft.pick(player);
    }
    // #8 is the third pick of round two, which runs 5, 4, 3, 2, 1; position 4 next picks at #14:
    // 3, 2, 1 then round three 1, 2, 3, 4, six turns on.
    EXPECT_EQ(draft.banner(),
              "Round 2 \u00b7 Pick 3 (#8) \u2014 Owner 3 on the clock \u00b7 you pick in 6");
    for (int player = 8; player <= 13; ++player) {
        draft.pick(player);
    }
    EXPECT_EQ(draft.banner(),
              "Round 3 \u00b7 Pick 4 (#14) \u2014 Owner 4 on the clock \u00b7 your pick");
    draft.pick(14);
    // The user has no pick left in the last round.
    EXPECT_EQ(draft.banner(), "Round 3 \u00b7 Pick 5 (#15) \u2014 Owner 5 on the clock");
    draft.pick(15);
    EXPECT_EQ(draft.banner(), "Draft complete \u00b7 15 picks made");
}

TEST(ClockBanners, AuctionsTellWhoNominatesWhatIsLeftAndTheUsersMoney) {
    BoardDraft draft(2, kDraftTypeAuction, 13);
    draft.setRoster(1, 1, 0, 0, 0, 0, 0, 1, 1);
    draft.setMoney(199.5, 1);
    draft.makeMine(1);
    // Two rosters of four places; the first team by draft position nominates first.
    EXPECT_EQ(draft.banner(),
              "Owner 1 nominates \u00b7 8 to buy \u00b7 you $199.50 left, max bid $197.50");
    EXPECT_EQ(draft.details().substr(0, 12), "No sales yet");
    draft.pick(3, "37");
    // 199.5 - 37 = 162.5 left, less one minimum bid for the one other slot still owed.
    EXPECT_EQ(draft.banner(),
              "Owner 2 nominates \u00b7 7 to buy \u00b7 you $162.50 left, max bid $161.50");
    EXPECT_EQ(draft.details(),
              "Last sale: Ann3 Lee to Owner 1 for $37.00\n"
              "7 players still to buy; the league has $362.00 left\n"
              "You have $162.50 left, largest bid $161.50");

    // Two rosters of four (C, G, UT, R): the eighth player bought completes the auction.
    for (int playerid = 4; playerid <= 10; ++playerid) {
        if (playerid == 10) {
            EXPECT_EQ(draft.details().rfind("Last sale: Ann9 Lee to Owner 2", 0), 0u);
        }
        const int team = draft.teamAt(playerid <= 6 ? 1 : 2);
        draft.dialogs.answers.assign(4, true);
        ASSERT_EQ(recordPick(draft.state, draft.dialogs, playerid, {team, "UT", "1"}).outcome,
                  PickOutcome::Recorded);
    }
    EXPECT_EQ(draft.banner(), "Auction complete \u00b7 8 players bought");
}

}  // namespace
}  // namespace quorvane::test
