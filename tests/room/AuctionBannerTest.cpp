// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "room/AuctionBanner.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {
namespace {

// Three teams of two places (G and a reserve), cap 100, minimum bid 1.
DraftSettings smallAuction() {
    DraftSettings draft;
    draft.teams = 3;
    draft.dollars = 100;
    draft.minbid = 1;
    draft.drafttype = kDraftTypeAuction;
    draft.G = 1;
    draft.R = 1;
    // Listed out of draft order on purpose: turns go by draft position.
    draft.draftTeams = {
        {12, "Owner B", 2, 0, 1}, {11, "Owner A", 1, 1, 0}, {13, "Owner C", 3, 0, 0}};
    return draft;
}

DraftPick sale(int playerid, int teamid, int draftorder, double dollars,
               const std::string& slot = "G") {
    DraftPick made;
    made.playerid = playerid;
    made.teamid = teamid;
    made.draftorder = draftorder;
    made.dollars = dollars;
    made.slot = slot;
    made.firstname = "First" + std::to_string(playerid);
    made.lastname = "Last" + std::to_string(playerid);
    return made;
}

TEST(AuctionNomination, TeamsNominateInDraftOrderOneSaleEach) {
    const DraftSettings draft = smallAuction();
    std::vector<DraftPick> picks;
    EXPECT_EQ(nominatingTeam(draft, picks), 11);
    // Whoever buys, the turn to nominate passes on: A, B, C, then A again.
    picks.push_back(sale(1, 13, 1, 5));
    EXPECT_EQ(nominatingTeam(draft, picks), 12);
    picks.push_back(sale(2, 11, 2, 5, "R"));
    EXPECT_EQ(nominatingTeam(draft, picks), 13);
    picks.push_back(sale(3, 12, 3, 5));
    EXPECT_EQ(nominatingTeam(draft, picks), 11);
    EXPECT_EQ(playersStillToBuy(draft, picks), 3);
}

TEST(AuctionNomination, AFullRosterIsPassedOverAndKeepersFillRosters) {
    const DraftSettings draft = smallAuction();
    // Owner B kept two players: his roster of two is full before the first sale.
    std::vector<DraftPick> picks = {sale(1, 12, 0, 10), sale(2, 12, 0, 10, "R")};
    EXPECT_EQ(nominatingTeam(draft, picks), 11);
    picks.push_back(sale(3, 11, 1, 5));  // A nominated; B is full, so C is next
    EXPECT_EQ(nominatingTeam(draft, picks), 13);
    picks.push_back(sale(4, 13, 2, 5));  // C nominated; A has room again
    EXPECT_EQ(nominatingTeam(draft, picks), 11);
    picks.push_back(sale(5, 11, 3, 5, "R"));  // A is full now, B was: C
    EXPECT_EQ(nominatingTeam(draft, picks), 13);
    picks.push_back(sale(6, 13, 4, 5, "R"));  // every roster is full
    EXPECT_EQ(nominatingTeam(draft, picks), 0);
    EXPECT_EQ(playersStillToBuy(draft, picks), 0);
}

// Three teams with two starting slots each (G, UT): the valuation prices P = 6 players.
DraftSettings inflationAuction() {
    DraftSettings draft = smallAuction();
    draft.UT = 1;
    draft.R = 0;
    return draft;
}

std::vector<PlayerValue> eightValues() {
    return {{1, 40}, {2, 30}, {3, 25}, {4, 20}, {5, 15}, {6, 10}, {7, 5}, {8, -3}};
}

TEST(AuctionInflation, IsTheMoneyShareLeftOverTheValueShareLeft) {
    const DraftSettings draft = inflationAuction();
    // Before a sale both shares are whole: no inflation.
    ASSERT_TRUE(auctionInflation(draft, {}, eightValues()).has_value());
    EXPECT_DOUBLE_EQ(*auctionInflation(draft, {}, eightValues()), 0.0);

    // Player 1 (value 40) goes for 30, player 4 (value 20) for 26.
    // Money: 300 - 56 = 244 of 300. Value at the start: the best six, 40+30+25+20+15+10 = 140.
    // Left to buy: 6 - 2 = 4 players, the best undrafted: 30+25+15+10 = 80 of 140.
    // (244/300) / (80/140) = 34160 / 24000 = 1.42333..., inflation 42.3%.
    const std::vector<DraftPick> picks = {sale(1, 11, 1, 30), sale(4, 12, 2, 26, "UT")};
    const auto inflation = auctionInflation(draft, picks, eightValues());
    ASSERT_TRUE(inflation.has_value());
    EXPECT_NEAR(*inflation, 34160.0 / 24000.0 - 1.0, 1e-12);
    EXPECT_EQ(inflationText(*inflation), "+42.3%");
}

TEST(AuctionInflation, AReservePickSpendsMoneyButLeavesTheStartersToBuy) {
    DraftSettings draft = inflationAuction();
    draft.R = 1;
    // As above, and player 8 (value -3, counted as 0) goes to a reserve slot for 2.
    // Money: 300 - 58 = 242 of 300; still four starters to buy from 30, 25, 15, 10, 5: 80.
    // (242/300) / (80/140) = 33880 / 24000 = 1.41166..., 41.2%.
    const std::vector<DraftPick> picks = {sale(1, 11, 1, 30), sale(4, 12, 2, 26, "UT"),
                                          sale(8, 13, 3, 2, "R")};
    const auto inflation = auctionInflation(draft, picks, eightValues());
    ASSERT_TRUE(inflation.has_value());
    EXPECT_NEAR(*inflation, 33880.0 / 24000.0 - 1.0, 1e-12);
    EXPECT_EQ(inflationText(*inflation), "+41.2%");
}

TEST(AuctionInflation, NothingToBuyOrNoValuesGivesNoFigure) {
    const DraftSettings draft = inflationAuction();
    EXPECT_FALSE(auctionInflation(draft, {}, {}).has_value());
    std::vector<DraftPick> everyone;
    for (int player = 1; player <= 6; ++player) {
        everyone.push_back(sale(player, 11 + (player - 1) % 3, player, 10, "G"));
    }
    EXPECT_FALSE(auctionInflation(draft, everyone, eightValues()).has_value());
}

TEST(AuctionInflation, TextShowsOneDecimalAndItsSign) {
    EXPECT_EQ(inflationText(0.0421), "+4.2%");
    EXPECT_EQ(inflationText(-0.0134), "\u22121.3%");
    EXPECT_EQ(inflationText(0.0004), "0.0%");
}

TEST(AuctionBanner, OneLineWithNominatorPlayersToBuyInflationAndMoney) {
    const DraftSettings draft = inflationAuction();
    const std::vector<DraftPick> picks = {sale(1, 11, 1, 30), sale(4, 12, 2, 26, "UT")};
    // Owner B (12) is the user's: 100 - 26 = 74 left, one player, (2 - 1) - 1 = 0 slots to
    // keep a dollar for: 74.
    EXPECT_EQ(auctionBannerLine(draft, 12, picks, eightValues()),
              "Owner C nominates \u00b7 4 to buy \u00b7 inflation +42.3% \u00b7 you $74 left, "
              "max bid $74");
    // No values, no inflation; no team of the user's, no money of his.
    EXPECT_EQ(auctionBannerLine(draft, 0, picks, {}), "Owner C nominates \u00b7 4 to buy");
    EXPECT_EQ(auctionBannerDetails(draft, 12, picks, {}),
              "Last sale: First4 Last4 to Owner B for $26\n"
              "4 players still to buy; the league has $244 left\n"
              "You have $74 left, largest bid $74");
    EXPECT_EQ(auctionBannerDetails(draft, 0, {}, {}).substr(0, 12), "No sales yet");
}

TEST(AuctionBanner, ACompleteAuctionSaysSo) {
    const DraftSettings draft = smallAuction();
    std::vector<DraftPick> picks;
    for (int player = 1; player <= 6; ++player) {
        picks.push_back(sale(player, 11 + (player - 1) % 3, player, 10, player > 3 ? "R" : "G"));
    }
    EXPECT_EQ(auctionBannerLine(draft, 12, picks, {}), "Auction complete \u00b7 6 players bought");
}

}  // namespace
}  // namespace quorvane
