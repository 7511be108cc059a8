// SPDX-License-Identifier: MIT
#include "hscores/HScores.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "advice/ValueOrder.h"
#include "availability/RosterRoom.h"
#include "availability/TurnSequence.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

constexpr std::uint16_t kReserveKind = 1u << (kSlotKinds - 1);
// How far the start leans from v toward the candidate's strengths: far enough that X_d is
// well defined, near enough that the search starts where a G drafter stands.
constexpr double kStartLean = 0.2;

// The rosters as one team sees them when it picks next.
struct TeamOutlook {
    std::vector<int> held;     // per team: counted players
    std::vector<double> sums;  // team x category: their X-scores summed
    std::vector<int> fills;    // per team: its turns before the end of the picking round
    std::vector<std::size_t> nextAvailable;  // by G, one more than the turns to fill
    int turnsToFill = 0;
};

// Picks in any slot but reserves count, as the matchups count them.
void addRosters(const DraftModel& model, const HScoreBasis& basis, TeamOutlook& outlook) {
    const std::size_t categories = basis.categories();
    outlook.held.assign(model.teams.size(), 0);
    outlook.sums.assign(model.teams.size() * categories, 0.0);
    for (const ModelPick& pick : model.picks) {
        if (upperText(pick.slot) == "R") {
            continue;
        }
        const ModelPlayer* player = model.findPlayer(pick.playerid);
        if (player == nullptr) {
            continue;
        }
        const auto index = static_cast<std::size_t>(player - model.players.data());
        for (std::size_t t = 0; t < model.teams.size(); ++t) {
            if (model.teams[t].teamid != pick.teamid) {
                continue;
            }
            ++outlook.held[t];
            const std::span<const double> x = basis.x(index);
            for (std::size_t c = 0; c < categories; ++c) {
                outlook.sums[t * categories + c] += x[c];
            }
        }
    }
}

void addFills(const DraftModel& model, const HScoreBasis& basis, std::size_t team,
              TeamOutlook& outlook) {
    outlook.fills.assign(model.teams.size(), 0);
    const ComingTurns turns = comingTurns(model);
    const auto own = std::find(turns.teams.begin(), turns.teams.end(), team);
    if (own != turns.teams.end() && model.teamCount() > 0) {
        const int teams = model.teamCount();
        const int ownTurn = turns.firstTurn + static_cast<int>(own - turns.teams.begin());
        const int roundEnd = ((ownTurn - 1) / teams + 1) * teams;
        const auto window = static_cast<std::size_t>(
            std::clamp(roundEnd - turns.firstTurn + 1, 0, static_cast<int>(turns.teams.size())));
        for (std::size_t at = 0; at < window; ++at) {
            if (turns.teams[at] != team) {
                ++outlook.fills[turns.teams[at]];
                ++outlook.turnsToFill;
            }
        }
    }
    std::vector<std::size_t> available;
    for (std::size_t p = 0; p < model.players.size(); ++p) {
        if (model.players[p].available()) {
            available.push_back(p);
        }
    }
    outlook.nextAvailable =
        bestOf(std::move(available), static_cast<std::size_t>(outlook.turnsToFill) + 1,
               [&](std::size_t a, std::size_t b) { return betterByG(model, basis, a, b); });
}

// The mean X of the players the other teams are expected to take before the round ends.
std::vector<double> fillMean(const HScoreBasis& basis, const TeamOutlook& outlook,
                             std::size_t candidate) {
    std::vector<double> mean(basis.categories(), 0.0);
    int taken = 0;
    for (const std::size_t player : outlook.nextAvailable) {
        if (player == candidate || taken == outlook.turnsToFill) {
            continue;
        }
        ++taken;
        const std::span<const double> x = basis.x(player);
        for (std::size_t c = 0; c < mean.size(); ++c) {
            mean[c] += x[c];
        }
    }
    for (double& value : mean) {
        value = taken > 0 ? value / taken : 0.0;
    }
    return mean;
}

std::vector<std::size_t> candidatesOf(const DraftModel& model, const HScoreBasis& basis,
                                      std::size_t team, int count) {
    const OpenSlots open = openSlotsOf(model)[team];
    const std::uint16_t starting = open.mask & static_cast<std::uint16_t>(~kReserveKind);
    std::vector<std::size_t> fitting;
    for (std::size_t p = 0; p < model.players.size(); ++p) {
        if (model.players[p].available() && (slotPreferenceOf(model.players[p]).mask & starting)) {
            fitting.push_back(p);
        }
    }
    return bestOf(std::move(fitting), static_cast<std::size_t>(std::max(0, count)),
                  [&](std::size_t a, std::size_t b) { return betterByG(model, basis, a, b); });
}

// v leaning toward the candidate's strengths; for a candidate even in every category, v with
// the team's weakest category given up a little.
std::vector<double> startingWeights(const HScoreBasis& basis, const WeightProblem& problem,
                                    std::span<const double> x) {
    const std::size_t categories = basis.categories();
    std::vector<double> start = basis.neutral();
    const double mean = std::accumulate(x.begin(), x.end(), 0.0) / static_cast<double>(categories);
    double widest = 0.0;
    for (const double value : x) {
        widest = std::max(widest, std::abs(value - mean));
    }
    if (widest > 1e-9) {
        for (std::size_t c = 0; c < categories; ++c) {
            start[c] *= 1.0 + kStartLean * (x[c] - mean) / widest;
        }
    } else {
        std::vector<double> standing(categories, 0.0);
        for (std::size_t at = 0; at < problem.edges.size(); ++at) {
            if (problem.spreads[at] > 0.0) {
                standing[at % categories] += problem.edges[at] / problem.spreads[at];
            }
        }
        const auto weakest = std::min_element(standing.begin(), standing.end());
        start[static_cast<std::size_t>(weakest - standing.begin())] *= 1.0 - kStartLean;
    }
    normaliseWeights(start, basis.neutral());
    return start;
}

}  // namespace

std::optional<std::vector<HScoreRow>> hScores(const DraftModel& model, const HScoreBasis& basis,
                                              const HScoreRequest& request,
                                              const Progress& progress) {
    std::vector<HScoreRow> rows;
    const std::size_t team = request.team;
    if (team >= model.teams.size() || model.teams.size() < 2) {
        return rows;
    }
    const std::size_t categories = basis.categories();
    const int counted = model.startingSlots();
    TeamOutlook outlook;
    addRosters(model, basis, outlook);
    addFills(model, basis, team, outlook);

    WeightProblem problem;
    problem.categories = categories;
    problem.futurePicks = std::max(0, counted - outlook.held[team] - 1);
    problem.sigma = &basis.covariance();
    problem.neutral = basis.neutral();
    for (std::size_t o = 0; o < model.teams.size(); ++o) {
        if (o == team) {
            continue;
        }
        const double unknown = std::max(0, counted - outlook.held[o]);
        for (std::size_t c = 0; c < categories; ++c) {
            problem.spreads.push_back(std::sqrt(2.0 * counted + basis.uncertainty()[c] * unknown));
        }
    }

    const std::vector<std::size_t> candidates =
        candidatesOf(model, basis, team, request.candidates);
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (progress.stopRequested()) {
            return std::nullopt;
        }
        progress("H-scores", static_cast<long long>(i), static_cast<long long>(candidates.size()));
        const std::size_t player = candidates[i];
        const std::span<const double> x = basis.x(player);
        const std::vector<double> fill = fillMean(basis, outlook, player);
        problem.edges.clear();
        for (std::size_t o = 0; o < model.teams.size(); ++o) {
            if (o == team) {
                continue;
            }
            for (std::size_t c = 0; c < categories; ++c) {
                problem.edges.push_back(outlook.sums[team * categories + c] + x[c] -
                                        outlook.sums[o * categories + c] -
                                        outlook.fills[o] * fill[c]);
            }
        }
        PuntPlan plan = searchWeights(problem, request.search, startingWeights(basis, problem, x));
        std::vector<double> chances = categoryChances(problem, request.search, plan.weights);
        rows.push_back(
            {player, plan.h, basis.g(player), std::move(plan.weights), std::move(chances)});
    }
    progress("H-scores", static_cast<long long>(candidates.size()),
             static_cast<long long>(candidates.size()));
    std::stable_sort(rows.begin(), rows.end(), [&](const HScoreRow& a, const HScoreRow& b) {
        if (a.h != b.h) {
            return a.h > b.h;
        }
        return betterByG(model, basis, a.player, b.player);
    });
    return rows;
}

}  // namespace quorvane
