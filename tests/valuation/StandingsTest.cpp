// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "LeagueFixture.h"
#include "store/Connection.h"
#include "valuation/Standings.h"

namespace quorvane::test {

namespace {

using Row = std::vector<std::string>;

// Three teams on points, turnovers and field-goal percentage. Owner 3 also has a reserve who
// would win him two categories.
League threeTeams(TestProgram& program) {
    return threeTeamLeague(program, kScoringRotisserie, {{1, 1}, {9, 1}, {15, 1}});
}

double rankPoints(TestProgram& program, League& league, int draftposition, int categoryid) {
    const int teamid = league.teamId(draftposition);
    const auto entries = readStandings(program.state, program.state.includeReserves);
    for (const StandingsEntry& entry : entries.value_or(std::vector<StandingsEntry>{})) {
        if (entry.teamid == teamid && entry.categoryid == categoryid) {
            return entry.rank;
        }
    }
    return -1.0;
}

// How many team rows of the standings hold the category (0 the total) with that rank.
long countRows(TestProgram& program, bool total, std::optional<double> rank = std::nullopt) {
    const auto entries = readStandings(program.state, program.state.includeReserves);
    return std::count_if(entries->begin(), entries->end(), [&](const StandingsEntry& entry) {
        return (entry.categoryid == 0) == total && (!rank || entry.rank == *rank);
    });
}

}  // namespace

TEST(RotisserieStandings, RankPointsShareTiesAndFewestTurnoversScoreMost) {
    TestProgram program;
    threeTeams(program);

    const auto grid = calcStandings(program.state, program.state.includeReserves, false);

    ASSERT_TRUE(grid.has_value());
    // Points 20, 20, 10; turnovers 10, 5, 5; FG% .500, .500, .333.
    EXPECT_EQ(grid->headings, (Row{"Owner", "FGP", "RK", "TO", "RK", "PTS", "RK", "TOTAL"}));
    ASSERT_EQ(grid->rows.size(), 3U);
    EXPECT_EQ(grid->rows[0], (Row{"Owner 2", ".500", "2.5", "5", "2.5", "20", "2.5", "7.5"}));
    EXPECT_EQ(grid->rows[1], (Row{"Owner 1", ".500", "2.5", "10", "1", "20", "2.5", "6"}));
    EXPECT_EQ(grid->rows[2], (Row{"Owner 3", ".333", "1", "5", "2.5", "10", "1", "4.5"}));
}

TEST(RotisserieStandings, TiedTotalsFollowTheDraftOrderAfterItWasChanged) {
    TestProgram program;
    League league(program, 3, kDraftTypeSnake, kScoringRotisserie);
    // Points 31, 47, 19 score 2, 3, 1; turnovers 7, 11, 3 score 2, 1, 3: every total is 4.
    league.categories({{1, 1}, {9, 1}})
        .player({.playerid = 1, .lastname = "A", .ftm = 31, .turnovers = 7})
        .player({.playerid = 2, .lastname = "B", .ftm = 47, .turnovers = 11})
        .player({.playerid = 3, .lastname = "C", .ftm = 19, .turnovers = 3})
        .pick(1, 1, "G")
        .pick(2, 2, "G")
        .pick(3, 3, "G");
    program.exec("update DraftTeams set draftposition = 4 - draftposition");
    league.load();

    ASSERT_TRUE(calcStandings(program.state, program.state.includeReserves, true).has_value());

    const auto entries = readStandings(program.state, program.state.includeReserves);
    ASSERT_TRUE(entries.has_value());
    std::vector<std::string> order;
    for (const StandingsEntry& entry : *entries) {
        if (entry.categoryid == 0) {
            EXPECT_DOUBLE_EQ(entry.rank, 4) << entry.teamname;
            order.push_back(entry.teamname);
        }
    }
    EXPECT_EQ(order, (Row{"Owner 3", "Owner 2", "Owner 1"}));
}

TEST(RotisserieStandings, ReservesCountOnlyWhenIncluded) {
    TestProgram program;
    League league = threeTeams(program);
    program.state.includeReserves = true;

    ASSERT_TRUE(calcStandings(program.state, program.state.includeReserves, true).has_value());

    // Owner 3 now has 50 points and 23 of 29: best in both.
    EXPECT_DOUBLE_EQ(rankPoints(program, league, 3, 1), 3);
    EXPECT_DOUBLE_EQ(rankPoints(program, league, 3, 15), 3);
    EXPECT_DOUBLE_EQ(rankPoints(program, league, 3, 0), 8.5);
    EXPECT_DOUBLE_EQ(rankPoints(program, league, 1, 0), 4);
    EXPECT_DOUBLE_EQ(rankPoints(program, league, 2, 0), 5.5);
    const auto order = readStandings(program.state, program.state.includeReserves);
    ASSERT_TRUE(order.has_value());
    EXPECT_EQ(order->front().teamname, "Owner 3");
}

TEST(RotisserieStandings, APickWithoutASlotIsNoReserve) {
    TestProgram program;
    League league = threeTeams(program);
    program.exec("update DraftTaken set pos = NULL where playerid = 4");

    ASSERT_TRUE(calcStandings(program.state, program.state.includeReserves, true).has_value());

    EXPECT_DOUBLE_EQ(rankPoints(program, league, 3, 0), 8.5);
}

TEST(RotisserieStandings, BeforeAnyPickEveryTeamScoresTheMiddle) {
    TestProgram program;
    League league(program, 12, kDraftTypeSnake, kScoringRotisserie);
    league.categories({{1, 1}, {15, 1}, {9, 1}});
    league.load();

    ASSERT_TRUE(calcStandings(program.state, program.state.includeReserves, true).has_value());

    EXPECT_EQ(countRows(program, false, 6.5), 36);
    EXPECT_EQ(countRows(program, true, 19.5), 12);
}

TEST(RotisserieStandings, PercentagesEqualAfterRoundingTie) {
    TestProgram program;
    League league(program, 2, kDraftTypeSnake, kScoringRotisserie);
    league.categories({{15, 1}})
        .player({.playerid = 1, .lastname = "A", .fgm = 5, .fga = 10})
        .player({.playerid = 2, .lastname = "B", .fgm = 1000, .fga = 1999})  // .50025
        .player({.playerid = 3, .lastname = "C", .fgm = 1000, .fga = 1990})  // .5025
        .pick(1, 1, "G")
        .pick(2, 2, "G");
    league.load();

    ASSERT_TRUE(calcStandings(program.state, program.state.includeReserves, true).has_value());
    EXPECT_DOUBLE_EQ(rankPoints(program, league, 1, 15), 1.5);
    EXPECT_DOUBLE_EQ(rankPoints(program, league, 2, 15), 1.5);

    program.exec("update DraftTaken set playerid = 3 where playerid = 2");
    ASSERT_TRUE(calcStandings(program.state, program.state.includeReserves, true).has_value());
    EXPECT_DOUBLE_EQ(rankPoints(program, league, 1, 15), 1);
    EXPECT_DOUBLE_EQ(rankPoints(program, league, 2, 15), 2);
}

TEST(PointsStandings, WeightedTotalsAndATeamWithoutPlayers) {
    TestProgram program;
    League league(program, 2, kDraftTypeSnake, kScoringPoints);
    league.categories({{1, 1}, {15, 10}})
        .player({.playerid = 1, .lastname = "A", .fgm = 5, .fga = 10})
        .pick(1, 1, "G");
    league.load();

    const auto grid = calcStandings(program.state, program.state.includeReserves, false);

    ASSERT_TRUE(grid.has_value());
    // 10 points + .500 x 10; the empty team has no field-goal row and a total of 0.
    EXPECT_EQ(grid->headings, (Row{"Owner", "FGP", "PTS", "TOTAL"}));
    ASSERT_EQ(grid->rows.size(), 2U);
    EXPECT_EQ(grid->rows[0], (Row{"Owner 1", "5.000", "10", "15"}));
    EXPECT_EQ(grid->rows[1], (Row{"Owner 2", "", "0", "0"}));
    const auto entries = readStandings(program.state, program.state.includeReserves);
    EXPECT_EQ(std::count_if(entries->begin(), entries->end(),
                            [](const StandingsEntry& entry) { return entry.categoryid == 15; }),
              1);
}

TEST(StandingsFailure, IsLoggedOnly) {
    TestProgram program;
    League league = threeTeams(program);
    ASSERT_TRUE(calcStandings(program.state, program.state.includeReserves, true).has_value());
    EXPECT_DOUBLE_EQ(rankPoints(program, league, 3, 0), 4.5);
    {
        // Another program breaks the file under the open draft.
        Connection other;
        ASSERT_TRUE(openConnection(other, program.state.connectionString, Log()));
        ASSERT_TRUE(executeSql(other, "drop table DraftTaken"));
    }
    program.state.includeReserves = true;

    EXPECT_FALSE(calcStandings(program.state, program.state.includeReserves, false).has_value());

    EXPECT_TRUE(program.dialogs.messages.empty());
    const auto lines = program.logLines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.ends_with(" 90050 error: could not select standings");
    }));
}

}  // namespace quorvane::test
