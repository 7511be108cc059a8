// SPDX-License-Identifier: MIT
#include "hscores/WeightSearch.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

#include "headtohead/WeekChances.h"

namespace quorvane {

namespace {

// The edges at weights j: the future picks' shift added to each opponent's.
std::vector<double> edgesAt(const WeightProblem& problem, const WeightSearchSettings& settings,
                            std::span<const double> weights,
                            std::optional<FuturePickShift>& future) {
    std::vector<double> edges = problem.edges;
    if (problem.futurePicks > 0.0) {
        future.emplace(*problem.sigma, problem.neutral, weights, settings.omega, settings.gamma);
        for (std::size_t at = 0; at < edges.size(); ++at) {
            edges[at] += problem.futurePicks * future->shift()[at % problem.categories];
        }
    }
    return edges;
}

}  // namespace

std::vector<double> categoryChances(const WeightProblem& problem,
                                    const WeightSearchSettings& settings,
                                    std::span<const double> weights) {
    std::optional<FuturePickShift> future;
    const std::vector<double> edges = edgesAt(problem, settings, weights, future);
    std::vector<double> chances(problem.categories, 0.0);
    const std::size_t opponents = problem.categories == 0 ? 0 : edges.size() / problem.categories;
    for (std::size_t at = 0; at < edges.size(); ++at) {
        const double spread = problem.spreads[at];
        const double chance = spread > 0.0      ? normalCdf(edges[at] / spread)
                              : edges[at] > 0.0 ? 1.0
                              : edges[at] < 0.0 ? 0.0
                                                : 0.5;
        chances[at % problem.categories] += chance / static_cast<double>(opponents);
    }
    return chances;
}

ObjectiveValue weightValue(const WeightProblem& problem, const WeightSearchSettings& settings,
                           std::span<const double> weights, std::vector<double>* gradient) {
    const std::size_t categories = problem.categories;
    std::optional<FuturePickShift> future;
    const std::vector<double> edges = edgesAt(problem, settings, weights, future);
    ObjectiveValue value = objectiveValue(settings.objective, edges, problem.spreads, categories);
    if (gradient != nullptr) {
        gradient->assign(categories, 0.0);
        if (future) {
            std::vector<double> outer(categories, 0.0);
            for (std::size_t at = 0; at < value.slopes.size(); ++at) {
                outer[at % categories] += problem.futurePicks * value.slopes[at];
            }
            *gradient = future->pullBack(outer);
        }
    }
    return value;
}

void normaliseWeights(std::vector<double>& weights, std::span<const double> neutral) {
    double sum = 0.0;
    for (double& weight : weights) {
        weight = std::max(0.0, weight);
        sum += weight;
    }
    if (!(sum > 0.0)) {
        weights.assign(neutral.begin(), neutral.end());
        return;
    }
    for (double& weight : weights) {
        weight /= sum;
    }
}

PuntPlan searchWeights(const WeightProblem& problem, const WeightSearchSettings& settings,
                       std::vector<double> start) {
    const std::size_t categories = problem.categories;
    PuntPlan best;
    if (!(problem.futurePicks > 0.0)) {
        best.weights.assign(problem.neutral.begin(), problem.neutral.end());
        best.h = weightValue(problem, settings, best.weights, nullptr).value;
        return best;
    }
    std::vector<double> weights = std::move(start);
    normaliseWeights(weights, problem.neutral);
    std::vector<double> gradient;
    std::vector<double> first(categories, 0.0);
    std::vector<double> second(categories, 0.0);
    const AdamSettings& adam = settings.adam;
    double decay1 = 1.0;
    double decay2 = 1.0;
    for (int step = 0;; ++step) {
        const double value = weightValue(problem, settings, weights, &gradient).value;
        if (step == 0 || value > best.h) {
            best.h = value;
            best.weights = weights;
        }
        if (step == settings.iterations) {
            break;
        }
        const double mean = std::accumulate(gradient.begin(), gradient.end(), 0.0) /
                            static_cast<double>(categories);
        decay1 *= adam.beta1;
        decay2 *= adam.beta2;
        for (std::size_t c = 0; c < categories; ++c) {
            const double slope = gradient[c] - mean;
            first[c] = adam.beta1 * first[c] + (1.0 - adam.beta1) * slope;
            second[c] = adam.beta2 * second[c] + (1.0 - adam.beta2) * slope * slope;
            const double firstHat = first[c] / (1.0 - decay1);
            const double secondHat = second[c] / (1.0 - decay2);
            weights[c] += adam.learningRate * firstHat / (std::sqrt(secondHat) + adam.epsilon);
        }
        normaliseWeights(weights, problem.neutral);
    }
    return best;
}

}  // namespace quorvane
