// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "hscores/FuturePickShift.h"
#include "hscores/MatchupObjective.h"
#include "hscores/SquareMatrix.h"

namespace quorvane {

// Adam's step size and the decay of its two running means. Weights live on the simplex, a
// category's neutral weight near 1/9: steps of 0.02 take a category to nothing within the
// thirty steps while one step never throws the plan far from where the slope pointed.
struct AdamSettings {
    double learningRate = 0.02;
    double beta1 = 0.9;
    double beta2 = 0.99;
    double epsilon = 1e-9;
};

inline constexpr int kDefaultIterations = 30;

struct WeightSearchSettings {
    MatchupObjective objective;
    double omega = kDefaultOmega;
    double gamma = kDefaultGamma;
    int iterations = kDefaultIterations;
    AdamSettings adam;
};

// One candidate's choice of weights against every opponent: mu = edge + futurePicks x X_d(j),
// each category won with chance Phi(mu / spread).
struct WeightProblem {
    std::size_t categories = 0;
    std::vector<double> edges;    // opponent x category: the rosters' difference with him added
    std::vector<double> spreads;  // opponent x category
    double futurePicks = 0.0;     // the team's picks after this one
    const SquareMatrix* sigma = nullptr;
    std::span<const double> neutral;
};

// The objective at weights j and its gradient in j.
ObjectiveValue weightValue(const WeightProblem& problem, const WeightSearchSettings& settings,
                           std::span<const double> weights, std::vector<double>* gradient);

// Per category, the mean over the opponents of the chance to win it at weights j.
std::vector<double> categoryChances(const WeightProblem& problem,
                                    const WeightSearchSettings& settings,
                                    std::span<const double> weights);

struct PuntPlan {
    double h = 0.0;               // the objective at the best weights seen
    std::vector<double> weights;  // those weights, summing to 1
};

// Adam from `start` on the gradient centred across categories (weights move along the simplex),
// each step's weights clipped at 0 and scaled to sum 1; the best weights of the start and every
// step. Without future picks the weights change nothing: the plan is the neutral weights.
PuntPlan searchWeights(const WeightProblem& problem, const WeightSearchSettings& settings,
                       std::vector<double> start);

// Scales non-negative weights to sum 1; the neutral ones when nothing is left.
void normaliseWeights(std::vector<double>& weights, std::span<const double> neutral);

}  // namespace quorvane
