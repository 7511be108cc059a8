// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include <fmt/format.h>

#include "../advice/AdviceLeague.h"
#include "../valuation/LeagueFixture.h"
#include "model/DraftModelLoader.h"
#include "practice/PracticeAuction.h"
#include "practice/PracticeGrade.h"
#include "session/DraftModelConversation.h"

namespace quorvane::test {

namespace {

const ModelPlayer& playerOf(const DraftModel& model, int playerid) {
    return *model.findPlayer(playerid);
}

}  // namespace

// 23.6 × (1 + 0.15 × 0.8) = 26.432, rounded down to 26.
TEST(PracticeAuction, AnOpponentsLimitIsItsValueMovedByItsOpinionRoundedDown) {
    EXPECT_EQ(opponentLimit(23.6, 0.8, 150.0, true), 26.0);
    // 23.6 × (1 - 0.15 × 1.3) = 18.998: down to 18, not rounded up to 19.
    EXPECT_EQ(opponentLimit(23.6, -1.3, 150.0, true), 18.0);
    EXPECT_EQ(opponentLimit(23.6, 0.8, 25.5, true), 25.5);   // its largest allowed bid
    EXPECT_EQ(opponentLimit(23.6, 0.8, 150.0, false), 0.0);  // no open slot for him
    // 23.6 × (1 - 0.15 × 7) = -1.18: never below 0.
    EXPECT_EQ(opponentLimit(23.6, -7.0, 150.0, true), 0.0);
}

TEST(PracticeAuction, TheHighestLimitBuysAtTheSecondHighestPlusOne) {
    const auto sale = settleSale({{0, 1, 37.0}, {1, 2, 52.0}, {2, 3, 19.0}}, 1.0);
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->team, 1U);
    EXPECT_EQ(sale->price, 38.0);  // 37 + 1
}

// Equal limits: the earlier draft position buys, and the second limit + 1 would be above his
// own, so he pays his limit.
TEST(PracticeAuction, EqualLimitsGoToTheEarlierDraftPositionAtHisLimit) {
    const auto sale = settleSale({{0, 4, 52.0}, {1, 2, 52.0}, {2, 3, 44.0}}, 1.0);
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->team, 1U);
    EXPECT_EQ(sale->price, 52.0);
}

// Alone above the minimum bid of 2 (a limit of 1 is no bid): he pays the minimum.
TEST(PracticeAuction, ALoneBidderPaysTheMinimumAndNoBidderMeansNoSale) {
    const auto sale = settleSale({{0, 1, 1.0}, {1, 2, 29.0}, {2, 3, 0.0}}, 2.0);
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->team, 1U);
    EXPECT_EQ(sale->price, 2.0);
    EXPECT_FALSE(settleSale({{0, 1, 1.0}, {1, 2, 0.0}}, 2.0));
}

// Cap $200, minimum $2, five slots: team 1 has spent 37 + 12.5 on two players and keeps 2 × $2
// for the two places after this one: 200 - 49.5 - 4 = 146.5.
TEST(PracticeAuction, TheLargestBidKeepsTheMinimumForEveryOtherPlaceLeft) {
    TestProgram program;
    AdviceLeague league(program, 2, kDraftTypeAuction, kScoringRotisserie);
    league.league.rosterSlots({.C = 1, .G = 1, .UT = 3}).money(200, 2).categories({{1, 1}});
    league.player({.playerid = 1, .positions = "C", .dollars = 30.5, .rank = 1})
        .player({.playerid = 2, .positions = "PG", .dollars = 10.25, .rank = 2})
        .player({.playerid = 3, .positions = "C", .dollars = 4.75, .rank = 3});
    league.league.pick(1, 1, "C", 37).pick(2, 1, "G", 12.5);
    const DraftModel model = league.model();
    EXPECT_DOUBLE_EQ(largestAllowedBid(model, 0), 146.5);
    EXPECT_DOUBLE_EQ(largestAllowedBid(model, 1), 200.0 - 4 * 2.0);
    // Team 1's C slot is filled but a UT takes the centre.
    EXPECT_TRUE(canRosterPlayer(model, 0, playerOf(model, 3)));
}

// Points 20, 20, 10 score 2.5, 2.5, 1; turnovers 10, 5, 5 score 1, 2.5, 2.5; FG% .500, .500,
// .333 score 2.5, 2.5, 1 (Owner 3's reserve is not counted). The user's Owner 1 has 6 points,
// second behind Owner 2's 7.5; his category places: PTS 1 (shared), TO 3, FGP 1 (shared). His
// one pick, no. 1, of a player at ADP (13 + 16) / 2 = 14.5 is 13.5 picks early: a reach.
TEST(PracticeGrade, PlacesAndPointsComeFromTheProjectedStandings) {
    TestProgram program;
    League league = threeTeamLeague(program, kScoringRotisserie, {{1, 1}, {9, 1}, {15, 1}});
    for (const auto& [source, adp] : {std::pair{"site a", 13}, std::pair{"site b", 16}}) {
        program.exec(
            fmt::format("insert into DraftPlayerAdp (playerid, yearofprojection, "
                        "source, adp) values (1, {}, '{}', {})",
                        kProjectionYear, source, adp));
    }
    league.load();
    const std::optional<DraftModel> model = loadDraftModel(program.state, program.dialogs);
    ASSERT_TRUE(model && model->myTeam());
    const auto mine = static_cast<std::size_t>(model->myTeam() - model->teams.data());
    const auto grade = gradePractice(*program.state.draftSettings(), *model, mine);
    ASSERT_TRUE(grade);
    EXPECT_EQ(grade->teamname, "Owner 1");
    EXPECT_EQ(grade->teams, 3);
    EXPECT_EQ(grade->place, 2);
    EXPECT_DOUBLE_EQ(grade->points, 6.0);
    std::map<std::string, std::pair<int, double>> places;
    for (const GradedCategory& category : grade->categories) {
        places[category.symbol] = {category.place, category.points};
    }
    EXPECT_EQ(places["PTS"], (std::pair{1, 2.5}));
    EXPECT_EQ(places["TO"], (std::pair{3, 1.0}));
    EXPECT_EQ(places["FGP"], (std::pair{1, 2.5}));
    ASSERT_EQ(grade->picks.size(), 1U);
    EXPECT_EQ(grade->picks[0].pickNumber, 1);
    EXPECT_DOUBLE_EQ(grade->picks[0].adp, 14.5);
    EXPECT_EQ(grade->picks[0].verdict, "reach");
}

// Pick 30 of a player at ADP 17.5 is 12.5 picks late: a steal; 11.5 is not.
TEST(PracticeGrade, TwelvePicksAfterTheAdpIsAStealTwelveBeforeAReach) {
    EXPECT_EQ(verdictOf(30, 17.5), "steal");
    EXPECT_EQ(verdictOf(29, 17.5), "");
    EXPECT_EQ(verdictOf(29, 17.0), "steal");
    EXPECT_EQ(verdictOf(5, 17.25), "reach");
    EXPECT_EQ(verdictOf(6, 17.25), "");
}

}  // namespace quorvane::test
