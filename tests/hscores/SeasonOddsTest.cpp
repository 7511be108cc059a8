// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "hscores/SeasonOdds.h"

namespace quorvane {
namespace {

// Two teams and one category; A beats B with chance p = Phi(0.5) = 0.691462 each week.
SeasonLeague twoTeams(bool mostCategories) {
    constexpr double kChance = 0.691462;
    return {2, 1, {0.5, kChance, 1.0 - kChance, 0.5}, mostCategories};
}

TEST(SeasonOdds, TwoTeamsOneCategoryAsWorkedByHand) {
    // Three weeks: A finishes first with two wins or three, p^3 + 3 p^2 (1 - p) = 0.773156,
    // and wins 3p = 2.074386 weeks on average. 40,000 seasons: the share's standard error is
    // 0.0021.
    const std::optional<std::vector<TeamSeasonOdds>> odds =
        seasonOdds(twoTeams(false), {3, 40000, 17});
    ASSERT_TRUE(odds.has_value());
    EXPECT_NEAR((*odds)[0].first, 0.773156, 0.01);
    EXPECT_NEAR((*odds)[1].first, 1.0 - 0.773156, 0.01);
    EXPECT_NEAR((*odds)[0].meanWins, 2.074386, 0.02);
    EXPECT_NEAR((*odds)[1].meanWins, 3.0 - 2.074386, 0.02);
    // With two teams the top half is first place.
    EXPECT_EQ((*odds)[0].topHalf, (*odds)[0].first);
}

TEST(SeasonOdds, LevelSeasonsAreSplitAtRandom) {
    // Two weeks: A wins both (p^2), splits them (2p(1 - p), then first half the time) or loses
    // both, so he finishes first with p^2 + p(1 - p) = p.
    const std::optional<std::vector<TeamSeasonOdds>> odds =
        seasonOdds(twoTeams(true), {2, 40000, 5});
    ASSERT_TRUE(odds.has_value());
    EXPECT_NEAR((*odds)[0].first, 0.691462, 0.01);
    EXPECT_NEAR((*odds)[0].first + (*odds)[1].first, 1.0, 1e-12);
}

TEST(SeasonOdds, EvenWeekInMostCategoriesGoesToEitherSide) {
    // Two categories, A certain to win one and lose the other: every week is level.
    const SeasonLeague level{2, 2, {0.5, 0.5, 1.0, 0.0, 0.0, 1.0, 0.5, 0.5}, true};
    const std::optional<std::vector<TeamSeasonOdds>> odds = seasonOdds(level, {20, 4000, 3});
    ASSERT_TRUE(odds.has_value());
    EXPECT_NEAR((*odds)[0].meanWins, 10.0, 0.15);
    EXPECT_NEAR((*odds)[0].meanWins + (*odds)[1].meanWins, 20.0, 1e-9);
    // Each Category counts the categories instead: one each, every week.
    const SeasonLeague each{2, 2, level.chances, false};
    const std::optional<std::vector<TeamSeasonOdds>> counted = seasonOdds(each, {20, 100, 3});
    EXPECT_EQ((*counted)[0].meanWins, 20.0);
    EXPECT_EQ((*counted)[1].meanWins, 20.0);
}

TEST(SeasonOdds, SameSeedSameFiguresAnotherSeedOthers) {
    SeasonLeague league{4, 2, std::vector<double>(32, 0.5), false};
    for (std::size_t a = 0; a < 4; ++a) {
        for (std::size_t b = 0; b < 4; ++b) {
            for (std::size_t c = 0; c < 2; ++c) {
                league.chances[(a * 4 + b) * 2 + c] =
                    a == b ? 0.5 : 0.5 + 0.1 * (double(b) - double(a));
            }
        }
    }
    const auto once = seasonOdds(league, {20, 500, 99});
    const auto again = seasonOdds(league, {20, 500, 99});
    const auto other = seasonOdds(league, {20, 500, 100});
    bool differs = false;
    for (std::size_t t = 0; t < 4; ++t) {
        EXPECT_EQ((*once)[t].first, (*again)[t].first);
        EXPECT_EQ((*once)[t].topHalf, (*again)[t].topHalf);
        EXPECT_EQ((*once)[t].meanWins, (*again)[t].meanWins);
        differs = differs || (*once)[t].meanWins != (*other)[t].meanWins;
    }
    EXPECT_TRUE(differs);
}

TEST(RoundRobin, EveryPairMeetsOnceARoundAndEveryTeamOnceAWeek) {
    for (const std::size_t teams : {2u, 5u, 12u}) {
        const std::size_t roundWeeks = teams % 2 == 0 ? teams - 1 : teams;
        const std::vector<WeekPairs> schedule = roundRobin(teams, static_cast<int>(roundWeeks) + 2);
        ASSERT_EQ(schedule.size(), roundWeeks + 2);
        std::set<std::pair<std::size_t, std::size_t>> met;
        for (std::size_t w = 0; w < roundWeeks; ++w) {
            std::set<std::size_t> playing;
            for (const auto& [a, b] : schedule[w]) {
                EXPECT_TRUE(playing.insert(a).second && playing.insert(b).second);
                EXPECT_TRUE(met.insert({a, b}).second) << teams << ": " << a << "-" << b;
            }
            // With an odd number of teams one rests.
            EXPECT_EQ(playing.size(), teams - teams % 2);
        }
        EXPECT_EQ(met.size(), teams * (teams - 1) / 2);
        // The round starts again.
        EXPECT_EQ(schedule[roundWeeks], schedule[0]);
        EXPECT_EQ(schedule[roundWeeks + 1], schedule[1]);
    }
}

}  // namespace
}  // namespace quorvane
