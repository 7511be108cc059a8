// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <fmt/format.h>

#include "HeadToHeadDraft.h"
#include "headtohead/HeadToHeadLeague.h"

namespace quorvane::test {

namespace {

const CategoryWeek& weekOf(const Matchups& matchups, const DraftModel& model, std::size_t team,
                           int categoryid) {
    return matchups.week(team, categoryIndex(model, categoryid));
}

}  // namespace

// Owner 1 holds p1 and p4, Owner 2 p2 and p3; a week is 3.5 / 82 = 0.042683 of a season.
//   PTS: 1810 x 0.042683 = 77.256098 against 1960 -> 83.658537, each 2 x 152.910365 = 305.820731;
//     (77.256098 - 83.658537) / sqrt(611.641462) = -0.258879, P = 0.397864.
//   STL: 135 -> 5.762195 against 190 -> 8.109756, variance 2 x 7.186274 = 14.372548 each:
//     -2.347561 / 5.361445 = -0.437860, P = 0.330744.
//   TO: 220 -> 9.390244 against 300 -> 12.804878, 2 x 6.850089 = 13.700178 each: the edge of
//     the side with fewer, 3.414634 / 5.234533 = 0.652328, P = 0.742905.
//   FG%: W 1620 x 0.042683 = 69.146341, R 760 / 1620 = 0.469136; B 69.573171, 750 / 1630 =
//     0.460123; variance 34.679878^2 x 2 x 0.000991457 / 69.146341^2 = 0.000498793 and
//     0.000492692; 0.009013 / 0.031488 = 0.286241, P = 0.612653.
// Expected wins 0.397864 + 0.330744 + 0.742905 + 0.612653 = 2.084167 (Owner 2: 4 - 2.084167 =
// 1.915833); the week, from the distribution of wins over the four, 0.532202.
TEST(Matchups, ATeamsWeekComesFromItsPlayersAndTheirSwing) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeSnake, kHeadToHeadEachCategory, true);
    const DraftModel model = loadedModel(program, league);
    const HeadToHeadLeague h2h(model, false);
    const Matchups& matchups = h2h.matchups();

    EXPECT_NEAR(weekOf(matchups, model, 0, 1).mean, 77.256098, 1e-6);
    EXPECT_NEAR(weekOf(matchups, model, 1, 1).mean, 83.658537, 1e-6);
    EXPECT_NEAR(weekOf(matchups, model, 0, 1).variance, 305.820731, 1e-5);
    EXPECT_NEAR(weekOf(matchups, model, 1, 3).mean, 8.109756, 1e-6);
    EXPECT_NEAR(weekOf(matchups, model, 0, 9).variance, 13.700178, 1e-6);
    EXPECT_NEAR(weekOf(matchups, model, 0, 15).mean, 0.469136, 1e-6);
    EXPECT_NEAR(weekOf(matchups, model, 1, 15).mean, 0.460123, 1e-6);
    EXPECT_NEAR(weekOf(matchups, model, 0, 15).variance, 0.000498793, 1e-9);
    EXPECT_NEAR(weekOf(matchups, model, 1, 15).variance, 0.000492692, 1e-9);

    const MatchupFigures figures = matchups.matchup(0, 1);
    EXPECT_NEAR(figures.chances[categoryIndex(model, 1)], 0.397864, 1e-6);
    EXPECT_NEAR(figures.chances[categoryIndex(model, 3)], 0.330744, 1e-6);
    EXPECT_NEAR(figures.chances[categoryIndex(model, 9)], 0.742905, 1e-6);
    EXPECT_NEAR(figures.chances[categoryIndex(model, 15)], 0.612653, 1e-6);
    EXPECT_NEAR(figures.expectedWins, 2.084167, 1e-6);
    EXPECT_NEAR(figures.weekWin, 0.532202, 1e-6);
    const MatchupFigures other = matchups.matchup(1, 0);
    EXPECT_NEAR(other.expectedWins, 1.915833, 1e-6);
    EXPECT_NEAR(other.weekWin, 0.467798, 1e-6);
}

TEST(Matchups, StandingsRankTheFigureTheLeaguePlaysFor) {
    for (const auto& [mode, first, second] :
         {std::tuple{kHeadToHeadEachCategory, 2.084167, 1.915833},
          std::tuple{kHeadToHeadMostCategories, 0.532202, 0.467798}}) {
        TestProgram program;
        League league = fourPlayerLeague(program, kDraftTypeSnake, mode, true);
        const DraftModel model = loadedModel(program, league);
        const HeadToHeadLeague h2h(model, false);
        const std::vector<HeadToHeadStanding> standings = h2h.standings();
        ASSERT_EQ(standings.size(), 2u);
        EXPECT_EQ(standings[0].teamname, "Owner 1");
        EXPECT_NEAR(standings[0].figure, first, 1e-6);
        EXPECT_EQ(standings[0].rank, 1);
        EXPECT_EQ(standings[1].teamname, "Owner 2");
        EXPECT_NEAR(standings[1].figure, second, 1e-6);
        EXPECT_EQ(standings[1].rank, 2);
    }
}

// Owner 2 has nobody: 0 and no variance in the counting categories, no attempts in FG%.
//   PTS Phi(77.256098 / sqrt(305.820731)) = Phi(4.417731) = 0.999995; STL Phi(5.762195 /
//   3.791114) = Phi(1.519921) = 0.935735; TO Phi(-9.390244 / 3.701375) = Phi(-2.536961) =
//   0.005591; FG% 1. Expected wins 2.941321.
// Two teams without players split every category.
TEST(Matchups, EmptyTeamsMeetOnNothing) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeSnake, kHeadToHeadEachCategory, false);
    league.pick(1, 1, "UT").pick(4, 1, "UT");
    const DraftModel model = loadedModel(program, league);
    const HeadToHeadLeague h2h(model, false);
    const MatchupFigures figures = h2h.matchups().matchup(0, 1);
    EXPECT_NEAR(figures.chances[categoryIndex(model, 1)], 0.999995, 1e-6);
    EXPECT_NEAR(figures.chances[categoryIndex(model, 3)], 0.935735, 1e-6);
    EXPECT_NEAR(figures.chances[categoryIndex(model, 9)], 0.005591, 1e-6);
    EXPECT_DOUBLE_EQ(figures.chances[categoryIndex(model, 15)], 1.0);
    EXPECT_NEAR(figures.expectedWins, 2.941321, 1e-6);
    EXPECT_FALSE(weekOf(h2h.matchups(), model, 1, 15).hasAttempts);

    TestProgram emptyProgram;
    League empty = fourPlayerLeague(emptyProgram, kDraftTypeSnake, kHeadToHeadEachCategory, false);
    const DraftModel emptyModel = loadedModel(emptyProgram, empty);
    const HeadToHeadLeague nobody(emptyModel, false);
    const MatchupFigures split = nobody.matchups().matchup(0, 1);
    for (const double chance : split.chances) {
        EXPECT_DOUBLE_EQ(chance, 0.5);
    }
    EXPECT_DOUBLE_EQ(split.expectedWins, 2.0);
    EXPECT_DOUBLE_EQ(split.weekWin, 0.5);
    // Equal figures share the rank.
    EXPECT_EQ(nobody.standings()[0].rank, 1);
    EXPECT_EQ(nobody.standings()[1].rank, 1);
}

// A reserve pick counts only when reserves are asked for: p2 in Owner 2's reserve slot adds
// 950 x 0.042683 = 40.548780 points.
TEST(Matchups, ReservesCountOnlyWhenAsked) {
    TestProgram program;
    League league = fourPlayerLeague(program, kDraftTypeSnake, kHeadToHeadEachCategory, false);
    league.pick(1, 1, "UT").pick(2, 2, "R");
    const DraftModel model = loadedModel(program, league);
    EXPECT_DOUBLE_EQ(HeadToHeadLeague(model, false).matchups().team(1).players, 0.0);
    const HeadToHeadLeague withReserves(model, true);
    EXPECT_DOUBLE_EQ(withReserves.matchups().team(1).players, 1.0);
    EXPECT_NEAR(weekOf(withReserves.matchups(), model, 1, 1).mean, 40.548780, 1e-6);
}

// Three teams of 2, 3 and 1 players with 10, 25 and 4 points: the average opponent of the first
// holds (3 + 1) / 2 = 2 players and (25 + 4) / 2 = 14.5 points; of the second 1.5 and 7.
TEST(Matchups, TheAverageOpponentIsTheMeanOfTheOtherTeams) {
    const auto team = [](double players, double points) {
        TeamWeek week;
        week.players = players;
        statOf(week.totals, StatColumn::Ftm) = points;
        return week;
    };
    const std::vector<TeamWeek> teams{team(2, 10), team(3, 25), team(1, 4)};
    const TeamWeek first = averageOpponent(teams, 0);
    EXPECT_DOUBLE_EQ(first.players, 2.0);
    EXPECT_DOUBLE_EQ(statOf(first.totals, StatColumn::Ftm), 14.5);
    const TeamWeek second = averageOpponent(teams, 1);
    EXPECT_DOUBLE_EQ(second.players, 1.5);
    EXPECT_DOUBLE_EQ(statOf(second.totals, StatColumn::Ftm), 7.0);
    EXPECT_DOUBLE_EQ(averageOpponent({team(2, 10)}, 0).players, 0.0);
}

}  // namespace quorvane::test
