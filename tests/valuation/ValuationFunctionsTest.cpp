// SPDX-License-Identifier: MIT
// The valuation, the value-based ranks and the standings as functions of a draft held in
// memory: no database.
#include <gtest/gtest.h>

#include "advice/CategoryFigures.h"
#include "valuation/PointsValuation.h"
#include "valuation/ProjectedStandings.h"
#include "valuation/RotisserieValuation.h"
#include "vocabulary/CategoryCatalogue.h"

namespace quorvane::test {

namespace {

ModelPlayer player(int playerid, int ftm, bool centre, std::int64_t pg = 1) {
    ModelPlayer p;
    p.playerid = playerid;
    p.projected = true;
    p.positionColumns = {centre ? 0 : pg, 0, 0, 0, centre ? 1 : 0};
    statOf(p.stats, StatColumn::Ftm) = ftm;
    return p;
}

void pick(DraftModel& model, int playerid, int teamid, const std::string& slot, double price) {
    applyPick(model, playerid, teamid, slot, static_cast<int>(model.picks.size()) + 1, price);
}

const RotisserieValuation::Player& valued(const RotisserieValuation& valuation, int playerid) {
    for (const auto& p : valuation.players) {
        if (p.playerid == playerid) {
            return p;
        }
    }
    throw std::out_of_range("not valued");
}

// Two teams of one centre and one point guard, $101 each, minimum bid $1, points alone with a
// denominator of 7: centres' SGP 10, 5, 2 (ids 1-3), point guards' 13, 7, 3 (ids 4-6).
struct SmallAuction {
    DraftSettings draft;
    std::vector<SgpDenominator> denominators;
    DraftModel model;

    SmallAuction() {
        draft.teams = 2;
        draft.dollars = 101;
        draft.minbid = 1;
        draft.C = 1;
        draft.PG = 1;
        draft.categories = {{1, 1.0}};
        denominators.resize(2);
        denominators[1] = {1, 7.0};
        model.players = {player(1, 70, true),  player(2, 35, true),  player(3, 14, true),
                         player(4, 91, false), player(5, 49, false), player(6, 21, false)};
    }
};

}  // namespace

TEST(RotisserieValuationOfAModel, LevelsFromTheFullLeagueMoneyOverTheSgpAboveThem) {
    SmallAuction league;
    const auto valuation =
        rotisserieValuation(league.draft, league.denominators, league.model, false);
    ASSERT_TRUE(valuation.has_value());

    // Levels: the 2nd centre (5) and the 2nd guard (7). Above them: 5 + 0 and 6 + 0 = 11 SGP
    // share 2 x 101 - (4 - 2) = 200 dollars: 200/11 a point.
    EXPECT_DOUBLE_EQ(valuation->centreLevel, 5);
    EXPECT_DOUBLE_EQ(valuation->otherLevel, 7);
    EXPECT_NEAR(valuation->rate, 200.0 / 11.0, 1e-9);
    EXPECT_NEAR(valued(*valuation, 1).dollars, 91.909090909, 1e-9);   // 1 + 5 x 200/11
    EXPECT_NEAR(valued(*valuation, 4).dollars, 110.090909091, 1e-9);  // 1 + 6 x 200/11
    EXPECT_NEAR(valued(*valuation, 3).dollars, -53.545454545, 1e-9);  // 1 - 3 x 200/11
    EXPECT_DOUBLE_EQ(valued(*valuation, 2).dollars, 1.0);
    EXPECT_DOUBLE_EQ(valued(*valuation, 5).dollars, 1.0);
}

TEST(RotisserieValuationOfAModel, InflationPricesThePlayersLeftWithTheMoneyLeft) {
    SmallAuction league;
    pick(league.model, 1, 1, "C", 40);
    pick(league.model, 5, 2, "PG", 13);

    const auto valuation =
        rotisserieValuation(league.draft, league.denominators, league.model, true);
    ASSERT_TRUE(valuation.has_value());

    // Levels stay 5 and 7. One centre and one guard are left to buy: the best left are 2 (SGP
    // 5, 0 above) and 4 (13, 6 above). 202 - 53 spent = 149 dollars, no slot left beyond one a
    // team: 149/6 a point.
    EXPECT_NEAR(valuation->rate, 149.0 / 6.0, 1e-9);
    EXPECT_DOUBLE_EQ(valued(*valuation, 4).dollars, 150.0);           // 1 + 6 x 149/6
    EXPECT_NEAR(valued(*valuation, 6).dollars, -98.333333333, 1e-9);  // 1 - 4 x 149/6
    EXPECT_NEAR(valued(*valuation, 1).dollars, 125.166666667, 1e-9);  // 1 + 5 x 149/6
}

TEST(RotisserieValuationOfAModel, NoValuationWithoutADenominator) {
    SmallAuction league;
    league.denominators[1].sgp_denominator = 0;
    EXPECT_FALSE(
        rotisserieValuation(league.draft, league.denominators, league.model, false).has_value());
    league.denominators[1].sgp_denominator = 7;
    league.draft.categories = {{12, 1.0}};  // no catalogue entry
    EXPECT_FALSE(
        rotisserieValuation(league.draft, league.denominators, league.model, false).has_value());
}

TEST(SgpTermOfAPlayer, RatioTermsMoveALeagueFigure) {
    StatLine stats{};
    statOf(stats, StatColumn::Fgm) = 400;
    statOf(stats, StatColumn::Fga) = 800;
    // ((500 x 11 + 400) / (1032 x 11 + 800) - .484) / .002 = (5900/12152 - .484) / .002
    EXPECT_NEAR(sgpTerm(*findCategory(15), stats, 0.002, 12), 0.75839368005, 1e-9);

    // Without turnovers: assists per turnover work as 9999, the term uses the counts:
    // ((2540 + 300) / (1590 + 0) - 1.59) / .052.
    statOf(stats, StatColumn::Assists) = 300;
    EXPECT_DOUBLE_EQ(sgpWorkStatistic(*findCategory(8), stats), kAssistsPerNoTurnover);
    EXPECT_NEAR(sgpTerm(*findCategory(8), stats, 0.052, 12), 3.77237542332, 1e-9);
    // A count divides: 300 assists over 130.
    EXPECT_NEAR(sgpTerm(*findCategory(2), stats, 130, 12), 300.0 / 130.0, 1e-12);
}

TEST(SgpTermOfAPlayer, KnownPlayersStandingsGainAsTheStatementsGaveIt) {
    // 1523 points, 173 turnovers, 173 of 211 free throws.
    StatLine stats{};
    statOf(stats, StatColumn::Ftm) = 173;
    statOf(stats, StatColumn::Fta) = 211;
    statOf(stats, StatColumn::Turnovers) = 173;
    StatLine points{};
    statOf(points, StatColumn::Ftm) = 1523;
    EXPECT_DOUBLE_EQ(sgpTerm(*findCategory(1), points, 30, 12), 50.766666666666667);  // 1523/30
    EXPECT_DOUBLE_EQ(sgpTerm(*findCategory(9), stats, -51, 12), -3.392156862745098);  // 173/-51
    // ((2695 + 173) / (3256 + 211) - .828) / .005; nine teams: ((1960 + 173) / (2368 + 211) ...
    EXPECT_NEAR(sgpTerm(*findCategory(14), stats, 0.005, 12), -0.154369772137, 1e-9);
    EXPECT_NEAR(sgpTerm(*findCategory(14), stats, 0.005, 9), -0.187049243893, 1e-9);
}

TEST(CategoryFiguresOfAPlayer, RatiosAreZeroWithoutGamesOrAttempts) {
    // 10 field goals, 5 free throws and 2 threes made with nothing attempted and no game.
    StatLine stats{};
    statOf(stats, StatColumn::Fgm) = 10;
    statOf(stats, StatColumn::Ftm) = 5;
    statOf(stats, StatColumn::Pt3m) = 2;
    statOf(stats, StatColumn::Assists) = 7;
    for (const CategoryDefinition& category : categoryCatalogue()) {
        if (category.ratio) {
            EXPECT_EQ(figureOf(categoryFormula(category), stats), 0.0) << category.label;
        }
    }
    EXPECT_EQ(figureOf(categoryFormula(*findCategory(1)), stats), 27.0);  // 5 + 2 x 10 + 2
    // Only assists per turnover marks a player without turnovers for the SGP.
    EXPECT_EQ(sgpWorkStatistic(*findCategory(8), stats), kAssistsPerNoTurnover);
    EXPECT_EQ(sgpWorkStatistic(*findCategory(4), stats), 0.0);
}

TEST(PointsValuationOfAModel, ValueOverTheLastStarterAndMoneyByIt) {
    DraftSettings draft;
    draft.teams = 3;
    draft.dollars = 101;
    draft.drafttype = kDraftTypeAuction;
    draft.scoringstyle = kScoringPoints;
    draft.G = 1;
    draft.categories = {{21, 1.5}};  // free throws made, 1.5 points each
    DraftModel model;
    model.players = {player(1, 31, false), player(2, 20, false), player(3, 10, false),
                     player(4, 50, false, 0)};  // 4 plays no position

    const auto valuation = pointsValuation(draft, model, false);
    ASSERT_TRUE(valuation.has_value());

    // Points 46.5, 30, 15, 75. Three guards start: baseline 15, VBD 31.5, 15, 0; none for 4.
    ASSERT_EQ(valuation->baselines.size(), 1U);
    EXPECT_EQ(valuation->baselines[0].position, "G");
    EXPECT_DOUBLE_EQ(valuation->players[0].vbd.value_or(-1), 31.5);
    EXPECT_DOUBLE_EQ(valuation->players[2].vbd.value_or(-1), 0);
    EXPECT_FALSE(valuation->players[3].vbd.has_value());
    EXPECT_EQ(valuation->players[3].rank, 4);
    // 303 dollars over 46.5 VBD.
    EXPECT_NEAR(valuation->players[0].dollars, 205.258064516, 1e-9);  // 31.5 x 303/46.5
    EXPECT_NEAR(valuation->players[1].dollars, 97.741935484, 1e-9);   // 15 x 303/46.5
    EXPECT_DOUBLE_EQ(valuation->players[3].dollars, 0.0);
}

TEST(RanksOfFigures, TiesShareARankAndPlayersWithoutAFigureComeLast) {
    EXPECT_EQ(ranksOf({5.0, 7.0, 7.0, std::nullopt, 3.0, std::nullopt}),
              (std::vector<int>{3, 1, 1, 5, 4, 5}));
}

TEST(StandingsOfAModel, PointsLeagueWeighsRoundedPercentagesAndCountsReservesOnAsking) {
    DraftSettings draft;
    draft.scoringstyle = kScoringPoints;
    draft.categories = {{1, 1.5}, {15, 10}};
    draft.draftTeams = {{11, "Owner 1", 1, 0, 0}, {12, "Owner 2", 2, 0, 0}};
    DraftModel model;
    ModelPlayer a = player(1, 4, false);
    statOf(a.stats, StatColumn::Fgm) = 3;
    statOf(a.stats, StatColumn::Fga) = 9;
    ModelPlayer b = player(2, 0, false);
    statOf(b.stats, StatColumn::Fgm) = 20;
    statOf(b.stats, StatColumn::Fga) = 20;
    model.players = {a, b};
    pick(model, 1, 11, "G", 0);
    pick(model, 2, 11, "R", 0);

    const auto without = projectedStandings(draft, model, false);
    // Owner 1: 10 points x 1.5 = 15, .333 x 10 = 3.33, total 18.33; Owner 2 has no
    // percentage row and 0 points.
    ASSERT_EQ(without.size(), 5U);
    EXPECT_EQ(without[0].categoryid, 15);
    EXPECT_DOUBLE_EQ(without[0].points, 3.33);
    EXPECT_DOUBLE_EQ(without[1].points, 15);
    EXPECT_DOUBLE_EQ(without[2].points, 18.33);
    EXPECT_EQ(without[3].teamname, "Owner 2");
    EXPECT_EQ(without[3].categoryid, 1);

    const auto with = projectedStandings(draft, model, true);
    // With the reserve: 50 points x 1.5 = 75; 23 of 29 = .793 x 10 = 7.93; total 82.93.
    EXPECT_DOUBLE_EQ(with[0].points, 7.93);
    EXPECT_DOUBLE_EQ(with[1].points, 75);
    EXPECT_NEAR(with[2].points, 82.93, 1e-12);
}

TEST(StandingsOfAModel, RotisserieRankPointsWithTiesAndFewestTurnovers) {
    DraftSettings draft;
    draft.categories = {{1, 1}, {9, 1}};
    draft.draftTeams = {{1, "A", 1, 0, 0}, {2, "B", 2, 0, 0}, {3, "C", 3, 0, 0}};
    DraftModel model;
    // Points 31, 47, 31; turnovers 7, 11, 3.
    for (const auto& [id, ftm, turnovers] : {std::tuple{1, 31, 7}, {2, 47, 11}, {3, 31, 3}}) {
        ModelPlayer p = player(id, ftm, false);
        statOf(p.stats, StatColumn::Turnovers) = turnovers;
        model.players.push_back(p);
        pick(model, id, id, "G", 0);
    }

    const auto entries = projectedStandings(draft, model, false);

    // A: 1.5 + 2 = 3.5; B: 3 + 1 = 4; C: 1.5 + 3 = 4.5. B and C order by total, A last.
    ASSERT_EQ(entries.size(), 9U);
    EXPECT_EQ(entries[0].teamname, "C");
    EXPECT_DOUBLE_EQ(entries[2].rank, 4.5);
    EXPECT_EQ(entries[3].teamname, "B");
    EXPECT_EQ(entries[6].teamname, "A");
    EXPECT_DOUBLE_EQ(entries[6].rank, 2);    // turnovers, 9 first
    EXPECT_DOUBLE_EQ(entries[7].rank, 1.5);  // points, tied with C
    EXPECT_DOUBLE_EQ(entries[8].points, 3.5);
}

}  // namespace quorvane::test
