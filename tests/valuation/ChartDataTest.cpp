// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "LeagueFixture.h"
#include "room/ChartData.h"
#include "room/Rosters.h"
#include "valuation/Standings.h"

namespace quorvane::test {

TEST(StandingsChartData, TotalsInStandingsOrderAsTheGridShowsThem) {
    TestProgram program;
    threeTeamLeague(program, kScoringRotisserie, {{1, 1}, {9, 1}, {15, 1}});
    const auto grid = calcStandings(program.state, program.state.includeReserves, false);
    ASSERT_TRUE(grid.has_value());

    const auto chart = standingsChart(program.state, false);

    ASSERT_TRUE(chart.has_value());
    // Rank points: PTS 2.5, 2.5, 1; TO (fewer is better) 1, 2.5, 2.5; FGP 2.5, 2.5, 1.
    // Owner 2: 2.5 + 2.5 + 2.5 = 7.5, Owner 1: 2.5 + 1 + 2.5 = 6, Owner 3: 1 + 2.5 + 1 = 4.5.
    EXPECT_EQ(chart->labels, (std::vector<std::string>{"Owner 2", "Owner 1", "Owner 3"}));
    ASSERT_EQ(chart->series.size(), 1U);
    EXPECT_EQ(chart->series[0].values, (std::vector<double>{7.5, 6.0, 4.5}));
    EXPECT_EQ(chart->highlighted, std::optional<std::size_t>(1));
    EXPECT_EQ(chart->valueAxisTitle, "Total rank points");
    // The same teams and totals as the grid's Owner and TOTAL columns.
    const int total = grid->columnIndex("TOTAL");
    ASSERT_EQ(grid->rows.size(), chart->labels.size());
    for (std::size_t row = 0; row < grid->rows.size(); ++row) {
        EXPECT_EQ(grid->rows[row][0], chart->labels[row]);
        EXPECT_DOUBLE_EQ(std::stod(grid->rows[row][static_cast<std::size_t>(total)]),
                         chart->series[0].values[row]);
    }
}

TEST(StandingsChartData, PointsLeagueChartsWeightedTotalsAndNoHighlightWithoutAnOwnTeam) {
    TestProgram program;
    League league = threeTeamLeague(program, kScoringPoints, {{1, 0.7}, {15, 3}});
    program.exec("update DraftTeams set owner = 0");
    league.load();
    ASSERT_TRUE(calcStandings(program.state, program.state.includeReserves, true).has_value());

    const auto chart = standingsChart(program.state, false);

    ASSERT_TRUE(chart.has_value());
    // Owners 1 and 2: 0.7 * 20 + 3 * .500 = 15.5; Owner 3: 0.7 * 10 + 3 * .333 = 7.999 (the
    // percentage is rounded to three places before it is weighted).
    std::map<std::string, double> totals;
    for (std::size_t i = 0; i < chart->labels.size(); ++i) {
        totals[chart->labels[i]] = chart->series[0].values[i];
    }
    EXPECT_NEAR(totals["Owner 1"], 15.5, 1e-9);
    EXPECT_NEAR(totals["Owner 2"], 15.5, 1e-9);
    EXPECT_NEAR(totals["Owner 3"], 7.999, 1e-9);
    EXPECT_EQ(chart->labels.back(), "Owner 3");
    EXPECT_FALSE(chart->highlighted.has_value());
}

TEST(TargetsChartData, MyTeamAgainstTheLeagueAveragePerCategory) {
    TestProgram program;
    threeTeamLeague(program, kScoringRotisserie, {{1, 1}, {9, 1}, {15, 1}});
    const auto rotisserie = chartData(program.state, false, ChartKind::Targets);
    ASSERT_TRUE(rotisserie.ok());
    EXPECT_EQ(rotisserie->labels, (std::vector<std::string>{"PTS", "TO", "FGP"}));
    ASSERT_EQ(rotisserie->series.size(), 2U);
    EXPECT_EQ(rotisserie->series[0].values, (std::vector<double>{2.5, 1.0, 2.5}));
    // Every category's rank points add up to 1 + 2 + 3 = 6 among three teams: 2 on average.
    EXPECT_EQ(rotisserie->series[1].values, (std::vector<double>{2.0, 2.0, 2.0}));

    TestProgram pointsProgram;
    threeTeamLeague(pointsProgram, kScoringPoints, {{1, 0.7}, {15, 3}});
    const auto points = chartData(pointsProgram.state, false, ChartKind::Targets);
    ASSERT_TRUE(points.ok());
    EXPECT_EQ(points->labels, (std::vector<std::string>{"PTS", "FGP"}));
    // PTS: 14, 14 and 7, on average 35 / 3; FGP: 1.5, 1.5 and 0.999, on average 3.999 / 3.
    EXPECT_NEAR(points->series[0].values[0], 14.0, 1e-9);
    EXPECT_NEAR(points->series[0].values[1], 1.5, 1e-9);
    EXPECT_NEAR(points->series[1].values[0], 11.666666666666666, 1e-9);
    EXPECT_NEAR(points->series[1].values[1], 1.333, 1e-9);
}

TEST(MoneyChartData, SpentAndLeftPerTeamMatchTheMoneyList) {
    TestProgram program;
    League league(program, 3, kDraftTypeAuction, kScoringRotisserie);
    // A half-dollar minimum bid: prices and the money list keep their cents.
    league.money(200, 0.5)
        .rosterSlots({.G = 2, .UT = 1})
        .categories({{1, 1}})
        .player({.playerid = 1, .lastname = "A", .ftm = 10})
        .player({.playerid = 2, .lastname = "B", .ftm = 8})
        .player({.playerid = 3, .lastname = "C", .ftm = 6})
        .pick(1, 1, "G", 37.5)
        .pick(2, 1, "G", 12)
        .pick(3, 2, "UT", 61);
    league.load();

    const auto chart = moneyChart(program.state);
    const auto list = showTeamMoney(program.state);

    ASSERT_TRUE(chart.ok());
    EXPECT_TRUE(chart->stacked);
    EXPECT_EQ(chart->labels, (std::vector<std::string>{"Owner 1", "Owner 2", "Owner 3"}));
    // Owner 1 paid 37.5 + 12 = 49.5 of 200 and has 150.5 left.
    EXPECT_EQ(chart->series[0].values, (std::vector<double>{49.5, 61.0, 0.0}));
    EXPECT_EQ(chart->series[1].values, (std::vector<double>{150.5, 139.0, 200.0}));
    EXPECT_EQ(chart->highlighted, std::optional<std::size_t>(0));
    // The money list names the same amounts left: "Owner 1 - $150.50 (...)" after its heading.
    ASSERT_TRUE(list.ok());
    ASSERT_EQ(list->size(), 4U);
    for (std::size_t team = 0; team < 3; ++team) {
        const std::string& caption = (*list)[team + 1].caption;
        EXPECT_DOUBLE_EQ(std::stod(caption.substr(caption.find('$') + 1)),
                         chart->series[1].values[team])
            << caption;
    }
}

TEST(MoneyChartData, OnlyAnAuctionHasMoneyToChart) {
    TestProgram program;
    threeTeamLeague(program, kScoringRotisserie, {{1, 1}});

    const Outcome<ChartData> money = chartData(program.state, false, ChartKind::Money);

    ASSERT_FALSE(money.ok());
    EXPECT_EQ(money.failure().message.text, "Only an auction has money to chart.");
    EXPECT_TRUE(program.dialogs.messages.empty());
    EXPECT_EQ(chartKindNamed("money"), ChartKind::Money);
    EXPECT_FALSE(chartKindNamed("pie").has_value());
}

}  // namespace quorvane::test
