// SPDX-License-Identifier: MIT
#include "hscores/SeasonOdds.h"

#include <algorithm>
#include <numeric>

#include "availability/PortableRandom.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

namespace {

constexpr int kStopLook = 256;
constexpr std::size_t kNoTeam = static_cast<std::size_t>(-1);

double uniform(PortableRandom& random) {
    return static_cast<double>(random.next() >> 11) * 0x1.0p-53;
}

}  // namespace

std::vector<WeekPairs> roundRobin(std::size_t teams, int weeks) {
    std::vector<WeekPairs> schedule;
    if (teams < 2 || weeks <= 0) {
        return schedule;
    }
    // With an odd number of teams a team meeting kNoTeam rests.
    std::vector<std::size_t> circle(teams);
    std::iota(circle.begin(), circle.end(), std::size_t{0});
    if (teams % 2 == 1) {
        circle.push_back(kNoTeam);
    }
    const std::size_t size = circle.size();
    std::vector<WeekPairs> round;
    for (std::size_t r = 0; r + 1 < size; ++r) {
        WeekPairs week;
        for (std::size_t i = 0; i < size / 2; ++i) {
            const std::size_t a = circle[i];
            const std::size_t b = circle[size - 1 - i];
            if (a != kNoTeam && b != kNoTeam) {
                week.emplace_back(std::min(a, b), std::max(a, b));
            }
        }
        round.push_back(std::move(week));
        // The first place stays, the others turn one step.
        std::rotate(circle.begin() + 1, circle.end() - 1, circle.end());
    }
    for (int w = 0; w < weeks; ++w) {
        schedule.push_back(round[static_cast<std::size_t>(w) % round.size()]);
    }
    return schedule;
}

SeasonLeague seasonLeagueOf(const DraftModel& model, const Matchups& matchups) {
    SeasonLeague league;
    league.teams = matchups.teamCount();
    league.categories = model.categories.size();
    league.mostCategories = model.headToHeadMode() == kHeadToHeadMostCategories;
    league.chances.assign(league.teams * league.teams * league.categories, 0.5);
    for (std::size_t a = 0; a < league.teams; ++a) {
        for (std::size_t b = 0; b < league.teams; ++b) {
            if (a == b) {
                continue;
            }
            const std::vector<double> chances = matchups.matchup(a, b).chances;
            std::copy(chances.begin(), chances.end(),
                      league.chances.begin() +
                          static_cast<std::ptrdiff_t>((a * league.teams + b) * league.categories));
        }
    }
    return league;
}

std::optional<std::vector<TeamSeasonOdds>> seasonOdds(const SeasonLeague& league,
                                                      const SeasonOddsRequest& request,
                                                      const Progress& progress) {
    const std::size_t teams = league.teams;
    const std::size_t categories = league.categories;
    std::vector<TeamSeasonOdds> odds(teams);
    for (std::size_t t = 0; t < teams; ++t) {
        odds[t].team = t;
    }
    if (teams == 0 || request.seasons <= 0) {
        return odds;
    }
    const std::vector<WeekPairs> schedule = roundRobin(teams, request.weeks);
    const std::size_t topHalf = teams / 2;
    PortableRandom random(request.seed);
    std::vector<long long> wins(teams);
    std::vector<double> tieBreak(teams);
    std::vector<std::size_t> order(teams);
    std::vector<long long> firsts(teams, 0);
    std::vector<long long> halves(teams, 0);
    std::vector<long long> totalWins(teams, 0);
    for (int season = 0; season < request.seasons; ++season) {
        if (season % kStopLook == 0) {
            if (progress.stopRequested()) {
                return std::nullopt;
            }
            progress("Season odds", season, request.seasons);
        }
        std::fill(wins.begin(), wins.end(), 0);
        for (const WeekPairs& week : schedule) {
            for (const auto& [a, b] : week) {
                const double* chances = &league.chances[(a * teams + b) * categories];
                std::size_t won = 0;
                for (std::size_t c = 0; c < categories; ++c) {
                    won += uniform(random) < chances[c] ? 1 : 0;
                }
                if (!league.mostCategories) {
                    wins[a] += static_cast<long long>(won);
                    wins[b] += static_cast<long long>(categories - won);
                } else if (2 * won != categories) {
                    ++wins[2 * won > categories ? a : b];
                } else {
                    ++wins[uniform(random) < 0.5 ? a : b];
                }
            }
        }
        for (std::size_t t = 0; t < teams; ++t) {
            tieBreak[t] = uniform(random);
            totalWins[t] += wins[t];
        }
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
            return wins[x] != wins[y] ? wins[x] > wins[y] : tieBreak[x] < tieBreak[y];
        });
        ++firsts[order[0]];
        for (std::size_t place = 0; place < topHalf; ++place) {
            ++halves[order[place]];
        }
    }
    const auto seasons = static_cast<double>(request.seasons);
    for (std::size_t t = 0; t < teams; ++t) {
        odds[t].first = static_cast<double>(firsts[t]) / seasons;
        odds[t].topHalf = static_cast<double>(halves[t]) / seasons;
        odds[t].meanWins = static_cast<double>(totalWins[t]) / seasons;
    }
    progress("Season odds", request.seasons, request.seasons);
    return odds;
}

}  // namespace quorvane
