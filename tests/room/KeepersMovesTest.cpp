// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/CustomPlayers.h"
#include "room/Keepers.h"
#include "room/MovePlayer.h"
#include "room/RecordPick.h"
#include "session/CustomPlayerConversation.h"
#include "session/KeeperConversation.h"
#include "session/MoveConversation.h"
#include "session/TurnConversation.h"

namespace quorvane::test {
namespace {

struct KeeperRoom : RoomFixture {
    explicit KeeperRoom(int drafttype) : RoomFixture(3, drafttype) {
        setRoster(1, 2, 1, 0, 1, 0, 0, 1, 0);
        setMoney(200, 1);
        for (int i = 1; i <= 6; ++i) {
            addPlayer({.playerid = i,
                       .firstname = "F" + std::to_string(i),
                       .lastname = "L" + std::to_string(i),
                       .pos = i == 1 ? "C" : "G"});
        }
    }
};

TEST(Keepers, AuctionKeeperCostsMoneyAndLeavesTheAvailableList) {
    KeeperRoom draft(kDraftTypeAuction);
    const int team = draft.teamAt(2);
    ASSERT_EQ(addKeeper(draft.state, draft.dialogs, 1, team, "C", "25"), KeeperOutcome::Added);
    const auto lines = showTeamMoney(draft.state);
    EXPECT_EQ((*lines)[2].caption.substr(0, 14), "Owner 2 - $175");
    const auto available = fillKeeperFreeAgents(draft.state, draft.dialogs);
    ASSERT_TRUE(available);
    EXPECT_EQ(available->rows.size(), 5u);
    const auto keepers = fillKeepers(draft.state, draft.dialogs, team);
    ASSERT_TRUE(keepers);
    EXPECT_EQ(
        keepers->rows,
        (std::vector<std::vector<std::string>>{{"1", "L1, F1", "C", "25", "0.00", "-25.00"}}));
    EXPECT_EQ(keepersTitle(draft.state, team), "Listed Keepers for Owner 2");
    EXPECT_EQ(getTeamRoster(draft.state, team).grid.table.rows[4][4],
              "25");  // G, G, PG, F, C
}

TEST(Keepers, AuctionPriceMustBeANumberAndSnakeStoresNone) {
    KeeperRoom auction(kDraftTypeAuction);
    for (const char* price : {"abc", "", "-1"}) {
        EXPECT_EQ(addKeeper(auction.state, auction.dialogs, 1, auction.teamAt(1), "C", price),
                  KeeperOutcome::Stopped);
        EXPECT_EQ(auction.dialogs.messages.back().title, "Invalid Bid");
    }
    EXPECT_EQ(auction.picks(), 0);

    KeeperRoom snake(kDraftTypeSnake);
    ASSERT_EQ(addKeeper(snake.state, snake.dialogs, 1, snake.teamAt(1), "C", "abc"),
              KeeperOutcome::Added);
    EXPECT_EQ(snake.scalar("select dollars + draftorder from DraftTaken"), 0);
    const auto keepers = fillKeepers(snake.state, snake.dialogs, snake.teamAt(1));
    // Price, value and surplus belong to auctions.
    EXPECT_EQ(keepers->hiddenColumns, (std::vector<int>{0, 3, 4, 5}));
}

TEST(Keepers, ListShowsTheTeamsKeepersButNotItsPicks) {
    KeeperRoom draft(kDraftTypeAuction);
    const int team = draft.teamAt(1);
    ASSERT_EQ(addKeeper(draft.state, draft.dialogs, 1, team, "C", "17"), KeeperOutcome::Added);
    ASSERT_EQ(recordPick(draft.state, draft.dialogs, 2, {team, "G", "23"}).outcome,
              PickOutcome::Recorded);

    const auto keepers = fillKeepers(draft.state, draft.dialogs, team);
    ASSERT_TRUE(keepers);
    // Nothing was valued, so the $17 keeper is worth $0 and costs his price in surplus.
    EXPECT_EQ(
        keepers->rows,
        (std::vector<std::vector<std::string>>{{"1", "L1, F1", "C", "17", "0.00", "-17.00"}}));
}

TEST(Keepers, DialogPreselectsTheNaturalPositionWithoutSubstitution) {
    KeeperRoom draft(kDraftTypeSnake);
    auto dialog = openKeeperDialog(draft.state, draft.dialogs, 1);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->playerName, "F1 L1");
    EXPECT_EQ(dialog->positions.selectedText(), "C");
    draft.setRoster(0, 2, 1, 0, 1, 0, 0, 1, 0);
    dialog = openKeeperDialog(draft.state, draft.dialogs, 1);
    EXPECT_EQ(dialog->positions.selectedText(), "G");  // the first listed slot, not "UT"
}

TEST(Keepers, RemovalAsksFirstAndOnlyRemovesKeepers) {
    KeeperRoom draft(kDraftTypeSnake);
    ASSERT_EQ(addKeeper(draft.state, draft.dialogs, 1, draft.teamAt(1), "C", ""),
              KeeperOutcome::Added);
    EXPECT_FALSE(removeKeeper(draft.state, draft.dialogs, 1));
    EXPECT_EQ(draft.dialogs.questions.back().title, "Remove This Keeper?");
    EXPECT_EQ(draft.picks(), 1);

    draft.dialogs.answers.push_back(true);
    EXPECT_TRUE(removeKeeper(draft.state, draft.dialogs, 1));
    EXPECT_EQ(draft.picks(), 0);
    EXPECT_EQ(fillKeeperFreeAgents(draft.state, draft.dialogs)->rows.size(), 6u);

    ASSERT_EQ(recordPick(draft.state, draft.dialogs, 2, {draft.teamAt(1), "G", ""}).outcome,
              PickOutcome::Recorded);
    draft.dialogs.answers.push_back(true);
    EXPECT_FALSE(removeKeeper(draft.state, draft.dialogs, 2));
    EXPECT_EQ(draft.picks(), 1);
}

TEST(MovePlayer, RepricingTheLastGuardDoesNotCountHimAgainstHimself) {
    KeeperRoom draft(kDraftTypeAuction);
    const int team = draft.teamAt(1);
    for (int player : {2, 3}) {
        ASSERT_EQ(recordPick(draft.state, draft.dialogs, player, {team, "G", "10"}).outcome,
                  PickOutcome::Recorded);
    }
    const auto form = openMovePlayer(draft.state, 3, team);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->playerName, "F3 L3");
    EXPECT_EQ(form->positions.selectedText(), "G");
    EXPECT_EQ(form->dollars, "10");

    // Six slots; without his own pick the team has 10 spent and one player:
    // 186 + 10 + (6 - 1 - 1) x 1 = 200 passes, and his own "G" slot is no obstacle.
    const MoveResult result = changePlayer(draft.state, draft.dialogs, 3, team, "G", "186");
    EXPECT_EQ(result.outcome, MoveOutcome::Changed);
    EXPECT_TRUE(draft.dialogs.questions.empty());
    EXPECT_EQ(draft.scalar("select dollars from DraftTaken where playerid = 3"), 186);
    EXPECT_EQ(draft.scalar("select draftorder from DraftTaken where playerid = 3"), 2);

    // 187 would leave the team short: 10 + 187 + (6 - 1 - 1) x 1 = 201 > 200.
    EXPECT_EQ(changePlayer(draft.state, draft.dialogs, 3, team, "G", "187").outcome,
              MoveOutcome::Stopped);
    EXPECT_EQ(draft.dialogs.questions.back().title, "Not Enough Money");
}

TEST(MovePlayer, MovingKeepsThePickNumberAndTheTurn) {
    KeeperRoom draft(kDraftTypeSnake);
    ASSERT_EQ(recordPick(draft.state, draft.dialogs, 2, {draft.teamAt(1), "G", ""}).outcome,
              PickOutcome::Recorded);
    ASSERT_EQ(recordPick(draft.state, draft.dialogs, 3, {draft.teamAt(2), "G", ""}).outcome,
              PickOutcome::Recorded);
    const std::string turn = draft.storedTurn();
    const MoveResult result =
        changePlayer(draft.state, draft.dialogs, 2, draft.teamAt(3), "UT", "99");
    ASSERT_EQ(result.outcome, MoveOutcome::Changed);
    EXPECT_EQ(draft.scalar("select draftorder from DraftTaken where playerid = 2"), 1);
    EXPECT_EQ(draft.scalar("select dollars from DraftTaken where playerid = 2"), 0);
    EXPECT_EQ(draft.scalar("select teamid from DraftTaken where playerid = 2"), draft.teamAt(3));
    EXPECT_EQ(draft.storedTurn(), turn);
    const RosterGrid roster = getTeamRoster(draft.state, draft.teamAt(3)).grid;
    EXPECT_EQ(roster.rowHeaders[5], "UT");
    EXPECT_EQ(roster.table.rows[5][4], "1.1.1");
}

TEST(MovePlayer, DropDeletesOnlyFromThePlayersOwnTeam) {
    KeeperRoom draft(kDraftTypeSnake);
    ASSERT_EQ(addKeeper(draft.state, draft.dialogs, 1, draft.teamAt(1), "C", ""),
              KeeperOutcome::Added);
    EXPECT_EQ(dropPlayer(draft.state, draft.dialogs, 1, draft.teamAt(2)).outcome,
              MoveOutcome::Changed);
    EXPECT_EQ(draft.picks(), 1);
    const MoveResult dropped = dropPlayer(draft.state, draft.dialogs, 1, draft.teamAt(1));
    EXPECT_EQ(draft.picks(), 0);
    ASSERT_TRUE(dropped.view && dropped.view->availablePlayers);
    EXPECT_EQ(dropped.view->availablePlayers->rows.size(), 6u);
}

TEST(CustomPlayers, IdsStartAt20000AndBothSeasonsGetARow) {
    KeeperRoom draft(kDraftTypeSnake);
    const auto first = addCustomPlayer(draft.state, draft.dialogs, {"Shaq", "O'Neal", "PG", "LAL"});
    ASSERT_EQ(first, std::optional<int>(20000));
    const auto second = addCustomPlayer(draft.state, draft.dialogs, {"Next", "One", "SF", "LAL"});
    ASSERT_EQ(second, std::optional<int>(20001));
    EXPECT_EQ(draft.scalar("select count(*) from DraftPlayers where playerid = 20000"), 2);
    EXPECT_EQ(draft.scalar("select count(*) from DraftPlayers where playerid = 20000 and pos = "
                           "'G' and pg = 1 and sg = 0 and lastname = 'O''Neal' and "
                           "yearofprojection in (2018, 2019)"),
              2);
    EXPECT_EQ(draft.scalar("select count(*) from draftAdded where pos = 'PG'"), 1);

    const auto window = openAddPlayer(draft.state, 20000, draft.teamAt(3));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->positions.selectedText(), "G");
    EXPECT_EQ(window->form().teamid, draft.teamAt(3));
}

TEST(CustomPlayers, BlankNamesAndExistingNamesAreRefused) {
    KeeperRoom draft(kDraftTypeSnake);
    EXPECT_FALSE(addCustomPlayer(draft.state, draft.dialogs, {" ", "X", "C", "LAL"}));
    EXPECT_EQ(draft.dialogs.messages.back().title, "Invalid First Name");
    EXPECT_FALSE(addCustomPlayer(draft.state, draft.dialogs, {"X", "", "C", "LAL"}));
    EXPECT_EQ(draft.dialogs.messages.back().title, "Invalid Last Name");
    EXPECT_FALSE(addCustomPlayer(draft.state, draft.dialogs, {"F1", "L1", "C", "LAL"}));
    EXPECT_EQ(draft.dialogs.messages.back().title, "Player Exists");
    EXPECT_EQ(draft.dialogs.messages.back().text, "A player with that name already exists.");
    EXPECT_EQ(draft.scalar("select count(*) from draftAdded"), 0);
}

}  // namespace
}  // namespace quorvane::test
