// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "RoomFixture.h"
#include "room/Keepers.h"
#include "room/RecordPick.h"
#include "room/Rosters.h"
#include "session/KeeperConversation.h"
#include "session/TurnConversation.h"

namespace quorvane::test {
namespace {

constexpr const char* kMoneyQuestion =
    "The selected team does not have enough money to buy this player.  Do you want to still add "
    "this player to the team?";

// Cap 260, minimum bid 1, 13 slots, and five players already bought for 200 in all.
struct MoneyAtTheLimit : RoomFixture {
    MoneyAtTheLimit() : RoomFixture(4, kDraftTypeAuction) {
        setRoster(2, 1, 1, 1, 1, 1, 1, 2, 3);
        setMoney(260, 1);
        for (int i = 1; i <= 8; ++i) {
            addPlayer({.playerid = i, .firstname = "P", .lastname = std::to_string(i)});
        }
        team = teamAt(1);
        for (int i = 1; i <= 5; ++i) {
            exec(
                "insert into DraftTaken (template_id, playerid, teamid, pos, draftorder, dollars) "
                "values (" +
                std::to_string(draftId) + "," + std::to_string(i) + "," + std::to_string(team) +
                ",'R'," + std::to_string(i) + ",40)");
        }
    }
    PickResult bid(const std::string& dollars) {
        return recordPick(state, dialogs, 6, {team, "C", dollars});
    }
    int team = 0;
};

TEST(PickMoneyCheck, BidThatLeavesTheMinimumForEveryOtherSlotPasses) {
    MoneyAtTheLimit draft;
    EXPECT_EQ(draft.bid("53").outcome, PickOutcome::Recorded);  // 200 + 53 + 7 x 1 = 260
    EXPECT_TRUE(draft.dialogs.questions.empty());
}

TEST(PickMoneyCheck, OneDollarMoreAsksAndNoStoresNothing) {
    MoneyAtTheLimit draft;
    EXPECT_EQ(draft.bid("54").outcome, PickOutcome::Stopped);
    ASSERT_EQ(draft.dialogs.questions.size(), 1u);
    EXPECT_EQ(draft.dialogs.questions[0].title, "Not Enough Money");
    EXPECT_EQ(draft.dialogs.questions[0].text, kMoneyQuestion);
    EXPECT_EQ(draft.picks(), 5);

    draft.dialogs.answers.push_back(true);
    EXPECT_EQ(draft.bid("54").outcome, PickOutcome::Recorded);
    EXPECT_EQ(draft.scalar("select dollars from DraftTaken where playerid = 6"), 54);
}

TEST(PickMoneyCheck, BlankLettersAndNegativeBidsAreRefused) {
    MoneyAtTheLimit draft;
    // "nan" would pass both money comparisons, since every comparison with NaN is false.
    for (const char* bid : {"", "   ", "abc", "-5", "nan", "inf"}) {
        draft.dialogs.messages.clear();
        EXPECT_EQ(draft.bid(bid).outcome, PickOutcome::Stopped) << bid;
        ASSERT_EQ(draft.dialogs.messages.size(), 1u) << bid;
        EXPECT_EQ(draft.dialogs.messages[0].title, "Invalid Bid");
        EXPECT_EQ(draft.dialogs.messages[0].text, "Bid for this player is invalid");
    }
    EXPECT_EQ(draft.picks(), 5);
}

TEST(PickMoneyCheck, ZeroBidsAndKeeperPricesStandWhenTheMinimumBidIsZero) {
    RoomFixture draft(3, kDraftTypeAuction);
    draft.setRoster(1, 2, 0, 0, 0, 0, 0, 0, 0);
    draft.setMoney(150, 0);
    draft.addPlayer({.playerid = 1, .firstname = "P", .lastname = "1"});
    draft.addPlayer({.playerid = 2, .firstname = "P", .lastname = "2"});
    const int team = draft.teamAt(2);

    EXPECT_EQ(recordPick(draft.state, draft.dialogs, 1, {team, "G", "0"}).outcome,
              PickOutcome::Recorded);
    EXPECT_EQ(addKeeper(draft.state, draft.dialogs, 2, team, "G", "0"), KeeperOutcome::Added);

    EXPECT_TRUE(draft.dialogs.messages.empty());
    EXPECT_TRUE(draft.dialogs.questions.empty());
    EXPECT_EQ(draft.scalar("select count(*) from DraftTaken where dollars = 0"), 2);
}

struct SnakeRoom : RoomFixture {
    explicit SnakeRoom(int teams = 4, int drafttype = kDraftTypeSnake)
        : RoomFixture(teams, drafttype) {
        setRoster(1, 2, 1, 0, 1, 0, 0, 0, 0);
        for (int i = 1; i <= 12; ++i) {
            addPlayer({.playerid = i, .firstname = "P", .lastname = std::to_string(100 + i)});
        }
    }
    PickResult pick(int playerid, int teamid, const std::string& pos) {
        return recordPick(state, dialogs, playerid, {teamid, pos, ""});
    }
};

TEST(PickSlotCheck, AThirdGuardAsksAndYesStoresHimInAnOverflowRow) {
    SnakeRoom draft;
    const int team = draft.teamAt(1);
    ASSERT_EQ(draft.pick(1, team, "G").outcome, PickOutcome::Recorded);
    ASSERT_EQ(draft.pick(2, team, "G").outcome, PickOutcome::Recorded);
    EXPECT_TRUE(draft.dialogs.questions.empty());

    EXPECT_EQ(draft.pick(3, team, "G").outcome, PickOutcome::Stopped);
    ASSERT_EQ(draft.dialogs.questions.size(), 1u);
    EXPECT_EQ(draft.dialogs.questions[0].text,
              "A G roster spot is not available for this team.  Do you want to still add this "
              "player to the team?");
    draft.dialogs.answers.push_back(true);
    const PickResult result = draft.pick(3, team, "G");
    ASSERT_EQ(result.outcome, PickOutcome::Recorded);
    const RosterGrid roster = getTeamRoster(draft.state, team).grid;
    EXPECT_EQ(roster.rowHeaders.back(), "NA");
    EXPECT_EQ(roster.table.rows.back()[0], "3");
    EXPECT_EQ(roster.table.rows[0][0], "1");
    EXPECT_EQ(roster.table.rows[1][0], "2");
}

TEST(PickAvailability, APlayerOnAnyTeamIsRefusedKeepersIncluded) {
    SnakeRoom draft;
    ASSERT_EQ(draft.pick(1, draft.teamAt(1), "G").outcome, PickOutcome::Recorded);
    ASSERT_EQ(addKeeper(draft.state, draft.dialogs, 2, draft.teamAt(3), "C", ""),
              KeeperOutcome::Added);
    for (int player : {1, 2}) {
        draft.dialogs.messages.clear();
        EXPECT_EQ(draft.pick(player, draft.teamAt(4), "C").outcome, PickOutcome::Stopped);
        ASSERT_EQ(draft.dialogs.messages.size(), 1u);
        EXPECT_EQ(draft.dialogs.messages[0].title, "Player Already Selected");
        EXPECT_EQ(draft.dialogs.messages[0].text,
                  "This player is currently on a team in your league and cannot be added to "
                  "another team");
    }
    // A keeper added afterwards is refused the same way.
    EXPECT_EQ(addKeeper(draft.state, draft.dialogs, 1, draft.teamAt(2), "G", ""),
              KeeperOutcome::Stopped);
    EXPECT_EQ(draft.dialogs.messages.back().title, "Player Already Selected");
    EXPECT_EQ(draft.picks(), 2);
}

TEST(PickNumbers, KeepersDoNotCountAndPicksNumberFromOne) {
    SnakeRoom draft;
    ASSERT_EQ(addKeeper(draft.state, draft.dialogs, 5, draft.teamAt(2), "C", ""),
              KeeperOutcome::Added);
    EXPECT_EQ(draft.pick(1, draft.teamAt(1), "G").draftorder, 1);
    EXPECT_EQ(draft.pick(2, draft.teamAt(2), "G").draftorder, 2);
}

TEST(PickTurns, SnakeLastTeamPicksTwiceThenTheTurnRunsBack) {
    SnakeRoom draft(10);
    draft.exec("update DraftTeams set currentpick = iif(draftposition = 10, 1, 0)");
    draft.reload();
    ASSERT_EQ(draft.pick(1, draft.teamAt(10), "G").outcome, PickOutcome::Recorded);
    EXPECT_EQ(draft.storedTurn(), "10D");
    ASSERT_EQ(draft.pick(2, draft.teamAt(10), "G").outcome, PickOutcome::Recorded);
    EXPECT_EQ(draft.storedTurn(), "9D");
    EXPECT_EQ(draft.memoryTurn(), "9D");
}

TEST(PickTurns, StraightLastTeamHandsTheTurnToTheFirst) {
    SnakeRoom draft(3, kDraftTypeStraight);
    draft.exec("update DraftTeams set currentpick = iif(draftposition = 3, 1, 0)");
    draft.reload();
    ASSERT_EQ(draft.pick(1, draft.teamAt(3), "G").outcome, PickOutcome::Recorded);
    EXPECT_EQ(draft.storedTurn(), "1U");
}

TEST(PickTurns, AuctionKeepsTheTurnFlagAndOffersTheNextNominator) {
    RoomFixture draft(3, kDraftTypeAuction);
    draft.addPlayer({.playerid = 1, .firstname = "A", .lastname = "B"});
    const PickForm form{draft.teamAt(2), "G", "10"};
    ASSERT_EQ(recordPick(draft.state, draft.dialogs, 1, form).outcome, PickOutcome::Recorded);
    EXPECT_EQ(draft.storedTurn(), "1U");
    draft.addPlayer({.playerid = 2, .firstname = "C", .lastname = "D"});
    const auto window = openAddPlayer(draft.state, 2);
    ASSERT_TRUE(window);
    // One sale made: the second team by draft position puts the next player up.
    EXPECT_EQ(window->form().teamid, draft.teamAt(2));
}

TEST(PickAtomicity, AFailedTurnMoveRemovesThePickAgain) {
    SnakeRoom draft;
    draft.exec(
        "create trigger refuse before update of currentpick on DraftTeams begin "
        "select raise(abort, 'refused'); end");
    EXPECT_EQ(draft.pick(1, draft.teamAt(1), "G").outcome, PickOutcome::Failed);
    EXPECT_EQ(draft.picks(), 0);
    EXPECT_EQ(draft.memoryTurn(), "1U");
    EXPECT_EQ(draft.dialogs.messages.back().title, "Database Error");
    EXPECT_NE(draft.logLines().back().find(" 50010 error: could not access database"),
              std::string::npos);
}

TEST(DefaultSlot, MissingSlotsSubstituteOnlyForTheLastApplicableRule) {
    RoomFixture draft(2, kDraftTypeSnake);
    draft.addPlayer({.playerid = 1, .firstname = "F", .lastname = "Forward", .pos = "F"});
    draft.addPlayer({.playerid = 2, .firstname = "C", .lastname = "Centre", .pos = "C"});

    draft.setRoster(1, 1, 1, 1, 0, 1, 1, 1, 1);
    EXPECT_EQ(fillPosition(draft.state, 1).selectedText(), "PF");

    // Without F and G slots the guard rule starts again from "F", which is not listed.
    draft.setRoster(1, 0, 1, 1, 0, 1, 1, 1, 1);
    const PositionChoice choice = fillPosition(draft.state, 1);
    EXPECT_EQ(choice.selected, 0);
    EXPECT_EQ(choice.selectedText(), "C");

    draft.setRoster(0, 1, 1, 1, 1, 1, 1, 1, 1);
    EXPECT_EQ(fillPosition(draft.state, 2).selectedText(), "UT");
}

TEST(AddPlayerWindow, AnAuctionPreselectsTheNominatorAndTitlesTheRosterWithMoneyLeft) {
    RoomFixture draft(3, kDraftTypeAuction);
    draft.setMoney(200, 0.5);
    draft.addPlayer(
        {.playerid = 1, .firstname = "Al", .lastname = "Horford", .pos = "C", .team = "BOS"});
    // The turn flag does not name the buyer in an auction: before the first sale the first team
    // by draft position nominates.
    draft.exec("update DraftTeams set currentpick = iif(draftposition = 2, 1, 0)");
    draft.reload();
    const auto window = openAddPlayer(draft.state, 1);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->playerLabel, "Al Horford (BOS)");
    EXPECT_EQ(window->form().teamid, draft.teamAt(1));
    EXPECT_EQ(window->form().pos, "C");
    EXPECT_TRUE(window->showDollars);
    EXPECT_EQ(window->roster.title, "Owner 1 - 200.00 Remaining");
}

}  // namespace
}  // namespace quorvane::test
