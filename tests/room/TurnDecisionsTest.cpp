// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "model/DraftModelLoader.h"
#include "model/TeamFigures.h"
#include "practice/PracticeAuction.h"
#include "room/KeeperRules.h"
#include "room/MoveRules.h"
#include "room/TurnDecisions.h"

namespace quorvane::test {

namespace {

// A four-team league of 13 slots (PG, SG, G, SF, PF, F, C×2, UT×2, R×3), built in memory.
DraftModel leagueModel(int drafttype, int turnNumber = 1) {
    DraftSettings draft;
    draft.template_id = 7;
    draft.teams = 4;
    draft.dollars = 200.0;
    draft.minbid = 1.0;
    draft.roundsIndex = 12;
    draft.drafttype = drafttype;
    draft.draftdirection = "U";
    draft.turnNumber = turnNumber;
    draft.PG = draft.SG = draft.G = draft.SF = draft.PF = draft.F = 1;
    draft.C = draft.UT = 2;
    draft.R = 3;
    for (int position = 1; position <= 4; ++position) {
        draft.draftTeams.push_back({100 + position, "Owner " + std::to_string(position), position,
                                    position == 1 ? 1 : 0, position == 1 ? 1 : 0});
    }
    DraftModel model;
    for (int playerid = 1; playerid <= 60; ++playerid) {
        ModelPlayer player;
        player.playerid = playerid;
        player.pos = "C";
        player.positions = kPositionC;
        model.players.push_back(player);
    }
    readSettings(draft, model);
    return model;
}

void pick(DraftModel& model, int playerid, int teamid, const std::string& slot, double price) {
    applyPick(model, playerid, teamid, slot, static_cast<int>(model.picks.size()) + 1, price);
}

PickRequest request(int playerid, int teamid, const std::string& slot, double price,
                    std::optional<int> turn = {}, std::optional<int> seenTurn = {}) {
    return {playerid, teamid, slot, price, turn, seenTurn};
}

const std::string kMoneyQuestion =
    "The selected team does not have enough money to buy this player.  Do you want to still add "
    "this player to the team?";

}  // namespace

// Owner 1 has four players for 37.50 + 41.25 + 12 + 9 = 99.75; after this one, 13 - 1 - 4 = 8
// slots are left to fill at the minimum bid, so a bid goes without a question up to
// 200 - 99.75 - 8 × 1 = 92.25.
TEST(PickDecision, AnAuctionBidPastWhatLeavesTheMinimumForEveryOtherSlotAsks) {
    DraftModel model = leagueModel(kDraftTypeAuction);
    pick(model, 1, 101, "PG", 37.5);
    pick(model, 2, 101, "SG", 41.25);
    pick(model, 3, 101, "UT", 12.0);
    pick(model, 4, 101, "R", 9.0);
    pick(model, 5, 102, "C", 150.0);  // another team's money is not Owner 1's
    EXPECT_DOUBLE_EQ(moneySpent(model, 101), 99.75);
    EXPECT_DOUBLE_EQ(largestBid(model, 101), 92.25);

    EXPECT_TRUE(decidePick(model, request(20, 101, "C", 92.25)).goes());
    const Decision over = decidePick(model, request(20, 101, "C", 92.26));
    ASSERT_EQ(over.questions.size(), 1U);
    EXPECT_EQ(over.questions[0].title, "Not Enough Money");
    EXPECT_EQ(over.questions[0].text, kMoneyQuestion);

    // At a minimum bid of 1.50 the eight slots keep 12: 200 - 99.75 - 12 = 88.25.
    DraftSettings dearer = *model.settings;
    dearer.minbid = 1.5;
    readSettings(dearer, model);
    EXPECT_TRUE(decidePick(model, request(20, 101, "C", 88.25)).goes());
    EXPECT_FALSE(decidePick(model, request(20, 101, "C", 88.3)).goes());
}

TEST(PickDecision, AFullSlotAsksAndCountsTheSlotAsStoredInAnyCase) {
    DraftModel model = leagueModel(kDraftTypeSnake);
    pick(model, 1, 101, "c", 0.0);
    model.picks.push_back({2, 101, "C", false, 0, 0.0});  // a keeper fills a slot too
    pick(model, 3, 101, "UT", 0.0);
    EXPECT_EQ(slotHolders(model, 101, "C"), 2);

    const Decision full = decidePick(model, request(20, 101, "C", 0.0));
    ASSERT_EQ(full.questions.size(), 1U);
    EXPECT_EQ(full.questions[0].text,
              "A C roster spot is not available for this team.  Do you want to still add this "
              "player to the team?");
    EXPECT_TRUE(decidePick(model, request(20, 101, "UT", 0.0)).goes());  // one of two held
    EXPECT_TRUE(decidePick(model, request(20, 102, "C", 0.0)).goes());   // another team's slots
    EXPECT_TRUE(decidePick(model, request(20, 101, "NA", 0.0)).goes());  // no such slot to fill
}

TEST(PickDecision, TheMoneyQuestionComesBeforeTheSlotQuestion) {
    DraftModel model = leagueModel(kDraftTypeAuction);
    pick(model, 1, 101, "PG", 190.0);
    const Decision both = decidePick(model, request(20, 101, "PG", 10.5));
    ASSERT_EQ(both.questions.size(), 2U);
    EXPECT_EQ(both.questions[0].text, kMoneyQuestion);
    EXPECT_EQ(both.questions[1].text.substr(0, 6), "A PG r");
}

TEST(PickDecision, RefusalsComeBeforeAnyQuestion) {
    DraftModel model = leagueModel(kDraftTypeAuction);
    pick(model, 1, 101, "C", 199.0);
    pick(model, 2, 101, "C", 0.0);

    const Decision noTeam = decidePick(model, request(20, 999, "C", 1.0));
    ASSERT_TRUE(noTeam.refused());
    EXPECT_EQ(noTeam.refusal->title, "No Team Selected");
    EXPECT_EQ(noTeam.refusal->text, "Please select the team that made this pick.");

    // A taken player is refused although both questions would be asked for him.
    const Decision taken = decidePick(model, request(2, 101, "C", 50.0));
    ASSERT_TRUE(taken.refused());
    EXPECT_EQ(taken.refusal->title, "Player Already Selected");
    EXPECT_TRUE(taken.questions.empty());

    // The pot is 4 teams × 200 = 800.
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    for (const double bid : {-0.5, 800.01, notANumber}) {
        const Decision invalid = decidePick(model, request(20, 102, "C", bid));
        ASSERT_TRUE(invalid.refused()) << bid;
        EXPECT_EQ(invalid.refusal->title, "Invalid Bid");
        EXPECT_EQ(invalid.refusal->text, "Bid for this player is invalid");
    }
    EXPECT_FALSE(decidePick(model, request(20, 102, "C", 800.0)).refused());
}

TEST(PickDecision, OutsideAnAuctionThePriceIsNotRead) {
    DraftModel model = leagueModel(kDraftTypeStraight);
    EXPECT_TRUE(decidePick(model, request(20, 101, "C", -3.0)).goes());
}

// After the last turn (4 teams × 13 rounds = 52) turn 53 is on the clock: a bot that chose for
// turn 52 is refused, while a person may still name a team for a late pick.
TEST(PickDecision, ACallerThatChoseForATurnIsRefusedOnceAnotherIsOnTheClock) {
    DraftModel model = leagueModel(kDraftTypeSnake, 53);
    const Decision stale = decidePick(model, request(20, 101, "C", 0.0, 52));
    ASSERT_TRUE(stale.refused());
    EXPECT_EQ(stale.refusal->title, "Turn Moved");
    EXPECT_EQ(stale.refusal->text,
              "Turn 52 is no longer on the clock: another program took it meanwhile, and turn 53 "
              "is on the clock now.");
    EXPECT_TRUE(decidePick(model, request(20, 101, "C", 0.0, 53)).goes());
    EXPECT_TRUE(decidePick(model, request(20, 101, "C", 0.0)).goes());
}

// A person who saw turn 52 picks whichever turn is on the clock while the draft lasts, but not
// once it filled up; one who saw it complete adds beyond it.
TEST(PickDecision, APersonsPickIsRefusedOnlyWhenTheDraftFilledUpSinceHeLooked) {
    DraftModel model = leagueModel(kDraftTypeSnake, 53);
    const Decision filled = decidePick(model, request(20, 101, "C", 0.0, {}, 52));
    ASSERT_TRUE(filled.refused());
    EXPECT_EQ(filled.refusal->title, "Turn Moved");
    EXPECT_TRUE(decidePick(model, request(20, 101, "C", 0.0, {}, 53)).goes());
    EXPECT_TRUE(
        decidePick(leagueModel(kDraftTypeSnake, 30), request(20, 101, "C", 0.0, {}, 29)).goes());
}

// Turn 4 of a four-team snake is the turn of the last team, which picks again at turn 5.
TEST(TurnDecision, SkipAndUndoGoAtASnakeTurnUnlessTheSkipWasMeantForAnother) {
    DraftModel model = leagueModel(kDraftTypeSnake, 4);
    EXPECT_TRUE(decideSkip(model, SkipRequest{}).goes());
    EXPECT_TRUE(decideSkip(model, SkipRequest{4}).goes());
    ASSERT_TRUE(decideSkip(model, SkipRequest{3}).refused());
    EXPECT_EQ(decideSkip(model, SkipRequest{3}).refusal->title, "Turn Moved");
    EXPECT_TRUE(decideUndo(model, {}).goes());
}

// Three teams of a two-slot auction: after two sales the third position nominates, unless its
// roster is full; then the turn passes to the first position.
TEST(AuctionNominations, TheNextPositionNominatesAndAFullRosterIsPassedOver) {
    DraftSettings draft;
    draft.teams = 3;
    draft.dollars = 10.0;
    draft.minbid = 1.0;
    draft.drafttype = kDraftTypeAuction;
    draft.C = 2;
    for (int position = 1; position <= 3; ++position) {
        draft.draftTeams.push_back({position, "Owner " + std::to_string(position), position, 0, 0});
    }
    DraftModel model;
    for (int playerid = 1; playerid <= 6; ++playerid) {
        ModelPlayer player;
        player.playerid = playerid;
        player.pos = "C";
        player.positions = kPositionC;
        model.players.push_back(player);
    }
    readSettings(draft, model);
    applyPick(model, 1, 1, "C", 1, 4.0);
    applyPick(model, 2, 2, "C", 2, 3.0);
    EXPECT_EQ(nominatingTeam(model), 2U);  // position 3, by index

    model.picks.push_back({3, 3, "C", false, 0, 1.0});  // two keepers fill position 3
    model.picks.push_back({4, 3, "C", false, 0, 1.0});
    EXPECT_EQ(nominatingTeam(model), 0U);  // position 1
}

// A keeper was on his team before the draft, so neither the team's money nor its slots are asked
// about; only the price, the team and the player are checked, in that order after the team.
TEST(KeeperDecision, RefusesABadTeamPriceOrTakenPlayerAndNeverAsksOfMoneyOrSlots) {
    DraftModel model = leagueModel(kDraftTypeAuction);
    pick(model, 1, 101, "C", 150.25);
    pick(model, 2, 101, "C", 40.5);
    // 190.75 spent and both C slots held: a pick here would ask both questions.
    EXPECT_EQ(decidePick(model, request(20, 101, "C", 9.5)).questions.size(), 2U);
    EXPECT_TRUE(decideKeeper(model, {20, 101, "C", 9.5}).goes());

    const auto refusal = [&](const KeeperRequest& keeper) {
        const Decision decision = decideKeeper(model, keeper);
        EXPECT_TRUE(decision.questions.empty());
        return decision.refusal ? decision.refusal->title : std::string("goes");
    };
    // The whole pot is 4 × 200 = 800.
    EXPECT_EQ(refusal({20, 101, "C", 800.0}), "goes");
    EXPECT_EQ(refusal({20, 101, "C", 0.0}), "goes");
    EXPECT_EQ(refusal({20, 101, "C", 800.01}), "Invalid Bid");
    EXPECT_EQ(refusal({20, 101, "C", -0.01}), "Invalid Bid");
    EXPECT_EQ(refusal({20, 101, "C", std::numeric_limits<double>::quiet_NaN()}), "Invalid Bid");
    EXPECT_EQ(refusal({20, 999, "C", -3.0}), "No Team Selected");
    EXPECT_EQ(refusal({2, 102, "C", -3.0}), "Invalid Bid");
    EXPECT_EQ(refusal({2, 102, "C", 3.0}), "Player Already Selected");
    EXPECT_EQ(decideKeeper(model, {2, 102, "C", 3.0}).refusal->text,
              "This player is currently on a team in your league and cannot be added to another "
              "team");

    // Outside auctions the price is not read.
    DraftModel snake = leagueModel(kDraftTypeSnake);
    EXPECT_TRUE(
        decideKeeper(snake, {20, 101, "C", std::numeric_limits<double>::quiet_NaN()}).goes());
    EXPECT_TRUE(decideKeeperRemoval(snake, {20}).goes());
}

// Owner 1 holds 37.50 + 41.25 + 12 + 9 = 99.75 on four players, C 3 among them at 12. Repriced
// where he is, C 3 leaves himself out: 87.75 on three others, so 13 - 1 - 3 = 9 slots keep 9
// and up to 200 - 87.75 - 9 = 103.25 goes; his own C slot is not held against him.
TEST(MoveDecision, ThePlayersOwnPickCountsNeitherForMoneyNorForSlots) {
    DraftModel model = leagueModel(kDraftTypeAuction);
    pick(model, 1, 101, "PG", 37.5);
    pick(model, 2, 101, "SG", 41.25);
    pick(model, 3, 101, "C", 12.0);
    pick(model, 4, 101, "C", 9.0);
    pick(model, 5, 102, "C", 20.0);
    pick(model, 6, 102, "c", 30.0);

    EXPECT_TRUE(decideMove(model, {3, 101, "C", 103.25}).goes());
    const Decision dearer = decideMove(model, {3, 101, "C", 103.26});
    ASSERT_EQ(dearer.questions.size(), 1U);
    EXPECT_EQ(dearer.questions[0].text, kMoneyQuestion);

    // To Owner 2, whose two C slots are full whatever their case: 50 spent on two others, so
    // 200 - 50 - 10 = 140 goes on money, and the slot asks after it.
    const Decision toFull = decideMove(model, {3, 102, "C", 140.5});
    ASSERT_EQ(toFull.questions.size(), 2U);
    EXPECT_EQ(toFull.questions[0].text, kMoneyQuestion);
    EXPECT_EQ(toFull.questions[1].text,
              "A C roster spot is not available for this team.  Do you want to still add this "
              "player to the team?");
    EXPECT_EQ(decideMove(model, {3, 102, "C", 140.0}).questions.size(), 1U);
    EXPECT_TRUE(decideMove(model, {5, 102, "C", 20.0}).goes());

    EXPECT_EQ(decideMove(model, {3, 101, "C", 800.01}).refusal->title, "Invalid Bid");
    EXPECT_EQ(decideMove(model, {3, 999, "C", 800.01}).refusal->title, "No Team Selected");

    // Outside auctions the price is not read and money is not asked.
    DraftModel snake = leagueModel(kDraftTypeSnake);
    pick(snake, 5, 102, "C", 0.0);
    pick(snake, 6, 102, "C", 0.0);
    pick(snake, 7, 103, "R", 0.0);
    EXPECT_TRUE(decideMove(snake, {7, 103, "C", std::numeric_limits<double>::quiet_NaN()}).goes());
    EXPECT_EQ(decideMove(snake, {7, 102, "C", 0.0}).questions.size(), 1U);
    EXPECT_TRUE(decideDrop(snake, {7, 103}).goes());
}

}  // namespace quorvane::test
