// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "night/LotRules.h"
#include "night/NightState.h"
#include "support/ModelSettings.h"

namespace quorvane::test {

namespace {

// Three teams with three places each (a centre and two utility slots), $100 each and a $1
// minimum, and six players: 11 to 13 centres, 14 to 16 point guards.
DraftModel threeTeamAuction() {
    DraftModel model;
    model.changeSettings([](DraftSettings& draft) {
        draft.template_id = 1;
        draft.drafttype = kDraftTypeAuction;
        draft.dollars = 100.0;
        draft.minbid = 1.0;
        setRounds(draft, 3);
        setSlotCounts(draft, {1, 0, 0, 0, 0, 0, 0, 2, 0});  // C, G, PG, SG, F, PF, SF, UT, R
    });
    model.teams = {{1, "Alpha", 1, false, false},
                   {2, "Bravo", 2, false, false},
                   {3, "Charlie", 3, false, false}};
    for (int id = 11; id <= 16; ++id) {
        ModelPlayer player;
        player.playerid = id;
        player.yearofprojection = 2019;
        player.firstname = "First";
        player.lastname = "Last" + std::to_string(id);
        player.pos = id <= 13 ? "C" : "PG";
        player.positions = id <= 13 ? kPositionC : kPositionPG;
        player.projected = true;
        model.players.push_back(player);
    }
    return model;
}

const NightClocks kClocks{30000, 10000, 0};

}  // namespace

// Opened at 0 with 30 s: a bid at 12 s leaves the deadline at 30 s; at 25.5 s (4.5 s left) it
// goes back to 10 s, to 35.5 s; a bid 1 ms before that sets it to 45.499 s.
TEST(AuctionLot, ALateBidSetsTheClockBackToTheLateBidTime) {
    Lot lot = openLot(1, 11, 3, 0, kClocks);
    EXPECT_EQ(lot.deadlineMs, 30000);
    placeBid(lot, 2, 4, 12000, kClocks);
    EXPECT_EQ(lot.deadlineMs, 30000);
    placeBid(lot, 3, 9, 25500, kClocks);
    EXPECT_EQ(lot.deadlineMs, 35500);
    placeBid(lot, 2, 10, 35499, kClocks);
    EXPECT_EQ(lot.deadlineMs, 45499);
    EXPECT_EQ(lot.amount, 10);
    EXPECT_EQ(lot.teamid, 2);
    EXPECT_EQ(lot.bids.size(), 4U);
}

// The lot closes at zero: a bid at the deadline itself is too late, one a millisecond before
// it counts.
TEST(AuctionLot, TheLotClosesWhenItsClockReachesZero) {
    const DraftModel model = threeTeamAuction();
    const std::optional<Lot> lot = openLot(1, 11, 3, 0, kClocks);
    const NightRoom room{model, false, lot};
    EXPECT_FALSE(lotDue(*lot, 29999));
    EXPECT_TRUE(lotDue(*lot, 30000));
    EXPECT_FALSE(decideBid(room, 2, 11, 4, 29999));
    const NightVerdict late = decideBid(room, 2, 11, 4, 30000);
    ASSERT_TRUE(late);
    EXPECT_EQ(late->kind, NightRefusal::Kind::MovedOn);
    EXPECT_EQ(late->message, "The lot is closed");
    // Whole seconds round up, so a screen shows 0 only once the clock has run out.
    EXPECT_EQ(secondsLeft(30000, 29999), 1);
    EXPECT_EQ(secondsLeft(30000, 28999), 2);
    EXPECT_EQ(secondsLeft(30000, 30000), 0);
    EXPECT_EQ(secondsLeft(30000, 31000), 0);
}

// Bravo bids 7; Charlie's 7 arrives after it and is refused as outbid: the first stands.
TEST(AuctionLot, OfTwoEqualBidsTheFirstStands) {
    const DraftModel model = threeTeamAuction();
    std::optional<Lot> lot = openLot(1, 11, 5, 0, kClocks);
    ASSERT_FALSE(decideBid({model, false, lot}, 2, 11, 7, 1000));
    placeBid(*lot, 2, 7, 1000, kClocks);
    const NightVerdict second = decideBid({model, false, lot}, 3, 11, 7, 1001);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->kind, NightRefusal::Kind::MovedOn);
    EXPECT_EQ(second->message, "Outbid: the high bid is $7");
    EXPECT_EQ(lot->teamid, 2);
    // One more is enough; the high bidder cannot raise himself.
    EXPECT_FALSE(decideBid({model, false, lot}, 3, 11, 8, 1002));
    EXPECT_EQ(decideBid({model, false, lot}, 2, 11, 8, 1002)->kind,
              NightRefusal::Kind::AgainstRule);
}

// Bravo keeps a player at $12.50 and has two places left: 100 - 12.5 - 1 × $1 for the place
// after this one = 86.5, so $86 is its largest whole bid.
TEST(AuctionLot, ATeamMayBidUpToItsLargestBidAndNoMore) {
    DraftModel model = threeTeamAuction();
    applyPick(model, 14, 2, "UT", 0, 12.5);
    EXPECT_EQ(largestWholeBid(model, 2), 86);
    std::optional<Lot> lot = openLot(1, 11, 40, 0, kClocks);
    EXPECT_FALSE(decideBid({model, false, lot}, 2, 11, 86, 500));
    const NightVerdict over = decideBid({model, false, lot}, 2, 11, 87, 500);
    ASSERT_TRUE(over);
    EXPECT_EQ(over->kind, NightRefusal::Kind::AgainstRule);
    EXPECT_EQ(over->message, "The largest bid this team may make is $86");
    // The figures the board shows for Bravo: $87.50 left rounds to 88, two open places.
    const NightTeamFigures figures = nightTeamFigures(model, 2);
    EXPECT_EQ(figures.money, 88);
    EXPECT_EQ(figures.maxBid, 86);
    EXPECT_EQ(figures.openSlots, 2);
}

// Four sales: Alpha filled its three places, Bravo paid $98 for one and keeps $1 for each of
// its two other places, so 100 - 98 - 1 = $1 is its largest bid, enough; at $99 it would have
// -$1. The fifth sale falls to position 5 mod 3 = 2 → Bravo.
TEST(AuctionLot, ANominatorWithAFullRosterOrNoMoneyIsPassedOver) {
    DraftModel model = threeTeamAuction();
    applyPick(model, 11, 1, "C", 1, 5);
    applyPick(model, 14, 1, "UT", 2, 5);
    applyPick(model, 15, 1, "UT", 3, 5);
    applyPick(model, 12, 2, "C", 4, 98);
    // Sale 5 is position (4 mod 3) + 1 = 2: Bravo may still buy for $1.
    EXPECT_EQ(nominatingTeamId(model), 2);
    model = threeTeamAuction();
    applyPick(model, 11, 1, "C", 1, 5);
    applyPick(model, 14, 1, "UT", 2, 5);
    applyPick(model, 15, 1, "UT", 3, 5);
    applyPick(model, 12, 2, "C", 4, 99);
    // Bravo at -$1 is passed over, then position 3: Charlie.
    EXPECT_EQ(largestWholeBid(model, 2), 0);
    EXPECT_EQ(nominatingTeamId(model), 3);
    const std::optional<Lot> none;
    EXPECT_EQ(decideNomination({model, false, none}, 2, 13, 1)->kind, NightRefusal::Kind::NotYours);
    EXPECT_FALSE(decideNomination({model, false, none}, 3, 13, 1));
}

TEST(AuctionLot, ANominationNeedsTheTurnAFreePlayerAndAtLeastTheMinimum) {
    DraftModel model = threeTeamAuction();
    model.changeSettings([](DraftSettings& draft) { draft.minbid = 2.0; });
    const std::optional<Lot> none;
    EXPECT_EQ(decideNomination({model, false, none}, 1, 11, 1)->message,
              "The opening bid must be at least $2");
    EXPECT_EQ(decideNomination({model, true, none}, 1, 11, 2)->message, "The draft is paused");
    EXPECT_EQ(decideNomination({model, false, none}, 1, 99, 2)->message,
              "No player with the id 99");
    const std::optional<Lot> open = openLot(1, 11, 2, 0, kClocks);
    EXPECT_EQ(decideNomination({model, false, open}, 1, 12, 2)->kind, NightRefusal::Kind::MovedOn);
    applyPick(model, 12, 3, "C", 0, 4);
    EXPECT_EQ(decideNomination({model, false, none}, 1, 12, 2)->kind,
              NightRefusal::Kind::AgainstRule);
}

// Charlie holds the high bid of 30 when another program fills his three places: no place is
// left for the centre on the block, so the lot cannot be sold to him.
TEST(AuctionLot, ALotIsSoldOnlyWhileItsHighBidderCanStillBuyIt) {
    DraftModel model = threeTeamAuction();
    Lot lot = openLot(1, 11, 20, 0, kClocks);
    placeBid(lot, 3, 30, 100, kClocks);
    EXPECT_FALSE(decideSale(model, lot));
    applyPick(model, 12, 3, "C", 1, 5);
    applyPick(model, 13, 3, "UT", 2, 5);
    applyPick(model, 14, 3, "UT", 3, 5);
    ASSERT_TRUE(decideSale(model, lot));
    EXPECT_EQ(decideSale(model, lot)->kind, NightRefusal::Kind::AgainstRule);
}

TEST(SnakePick, OnlyTheTeamOnTheClockPicksAFreePlayer) {
    DraftModel model = threeTeamAuction();
    model.changeSettings([](DraftSettings& draft) { draft.drafttype = kDraftTypeSnake; });
    model.teams[1].onClock = true;
    const std::optional<Lot> none;
    EXPECT_FALSE(decidePick({model, false, none}, 2, 11));
    EXPECT_EQ(decidePick({model, false, none}, 1, 11)->message, "It is not your turn to pick");
    EXPECT_EQ(decidePick({model, true, none}, 2, 11)->kind, NightRefusal::Kind::MovedOn);
    applyPick(model, 11, 1, "C", 1, 0);
    EXPECT_EQ(decidePick({model, false, none}, 2, 11)->kind, NightRefusal::Kind::AgainstRule);
    model.teams[1].onClock = false;
    EXPECT_EQ(decidePick({model, false, none}, 2, 12)->message, "The draft is complete");
}

}  // namespace quorvane::test
