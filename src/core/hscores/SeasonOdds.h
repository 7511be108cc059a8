// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "headtohead/Matchups.h"
#include "model/DraftModel.h"
#include "vocabulary/Progress.h"

namespace quorvane {

inline constexpr int kDefaultSeasonWeeks = 20;
inline constexpr int kDefaultSeasons = 10000;

// Who meets whom each week: a round robin (the circle method; with an odd number of teams one
// rests each week), repeated from its first week until the season has its weeks.
using WeekPairs = std::vector<std::pair<std::size_t, std::size_t>>;
std::vector<WeekPairs> roundRobin(std::size_t teams, int weeks);

// The league's weekly matchups as the season plays them: per ordered pair of teams (a x teams +
// b) and category, the chance that a beats b in the category.
struct SeasonLeague {
    std::size_t teams = 0;
    std::size_t categories = 0;
    std::vector<double> chances;
    bool mostCategories = false;
};
SeasonLeague seasonLeagueOf(const DraftModel& model, const Matchups& matchups);

struct SeasonOddsRequest {
    int weeks = kDefaultSeasonWeeks;
    int seasons = kDefaultSeasons;
    std::uint64_t seed = 0;
};

struct TeamSeasonOdds {
    std::size_t team = 0;   // by index into the league's teams
    double first = 0.0;     // share of seasons it finishes first
    double topHalf = 0.0;   // ... among the first half (of an odd number: the smaller half)
    double meanWins = 0.0;  // Each Category: categories won; Most Categories: weeks won
};

// Plays the seasons: each week of the round robin every category of every matchup is won with
// its chance, independently. Each Category counts the categories a team wins, Most Categories
// the weeks (a week of equal category wins goes to either team with one half). Teams level on
// wins at the end of a season are ordered at random. The same seed gives the same figures.
// In team order; nullopt when progress asked to stop.
std::optional<std::vector<TeamSeasonOdds>> seasonOdds(const SeasonLeague& league,
                                                      const SeasonOddsRequest& request,
                                                      const Progress& progress = {});

}  // namespace quorvane
