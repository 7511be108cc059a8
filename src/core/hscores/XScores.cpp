// SPDX-License-Identifier: MIT
#include "hscores/XScores.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "advice/CategoryFigures.h"

namespace quorvane {

namespace {

constexpr std::size_t kBasePositions = 5;
// Bits of ModelPlayer::positions in the order PG, SG, SF, PF, C.
constexpr std::array<std::uint8_t, kBasePositions> kPositionBits = {
    kPositionPG, kPositionSG, kPositionSF, kPositionPF, kPositionC};

// The base positions each slot kind takes, in the order of kSlotKindNames; reserves take none,
// since they do not play in the matchups.
constexpr std::array<std::uint8_t, kSlotKinds> kSlotPositions = {
    kPositionC,
    kPositionPG | kPositionSG,
    kPositionPG,
    kPositionSG,
    kPositionSF | kPositionPF,
    kPositionPF,
    kPositionSF,
    kPositionPG | kPositionSG | kPositionSF | kPositionPF | kPositionC,
    0};

// A category's X-scores for every player.
void scoreCategory(const DraftModel& model, const CategoryScale& scale, std::size_t category,
                   const std::vector<std::size_t>& pool, std::vector<double>& x) {
    const std::size_t categories = model.categories.size();
    const CategoryFormula& formula = *model.categories[category].formula;
    const double share = weeklyShare(model.gamesPerWeek());
    const double tau = scale.tau();
    const double unit = scale.ratio ? scale.meanAttempts * tau : tau;
    if (!(unit > 0.0) || pool.empty()) {
        return;
    }
    double made = 0.0;
    double attempts = 0.0;
    for (const std::size_t player : pool) {
        made += numeratorOf(formula, model.players[player].stats);
        attempts += denominatorOf(formula, model.players[player].stats);
    }
    // Counting: the pool's mean weekly figure. Ratio: the pool's rate, so that the pool's
    // volume impacts average 0 as its counting figures do.
    const double poolMean = made * share / static_cast<double>(pool.size());
    const double poolRate = attempts > 0.0 ? made / attempts : 0.0;
    const double sign = scale.fewerIsBetter ? -1.0 : 1.0;
    for (std::size_t p = 0; p < model.players.size(); ++p) {
        const StatLine& stats = model.players[p].stats;
        const double weekly = numeratorOf(formula, stats) * share;
        const double over = scale.ratio ? weekly - poolRate * denominatorOf(formula, stats) * share
                                        : weekly - poolMean;
        x[p * categories + category] = sign * over / unit;
    }
}

}  // namespace

std::vector<double> xScores(const DraftModel& model, const std::vector<CategoryScale>& scales,
                            const std::vector<std::size_t>& pool) {
    const std::size_t categories = model.categories.size();
    std::vector<double> x(model.players.size() * categories, 0.0);
    for (std::size_t c = 0; c < categories; ++c) {
        scoreCategory(model, scales[c], c, pool, x);
    }
    return x;
}

std::vector<double> neutralWeights(const std::vector<CategoryScale>& scales) {
    std::vector<double> weights;
    double sum = 0.0;
    for (const CategoryScale& scale : scales) {
        const double both = scale.tauSquared + scale.sigma * scale.sigma;
        weights.push_back(both > 0.0 ? std::sqrt(scale.tauSquared / both) : 0.0);
        sum += weights.back();
    }
    for (double& weight : weights) {
        weight = sum > 0.0 ? weight / sum : 0.0;
    }
    return weights;
}

std::vector<double> uncertaintyWeights(const std::vector<CategoryScale>& scales) {
    std::vector<double> weights;
    for (const CategoryScale& scale : scales) {
        weights.push_back(scale.tauSquared > 0.0 ? scale.sigma * scale.sigma / scale.tauSquared
                                                 : 0.0);
    }
    return weights;
}

std::vector<double> basePositionShares(const SlotCounts& slots) {
    std::vector<double> shares(kBasePositions, 0.0);
    double total = 0.0;
    for (std::size_t kind = 0; kind < kSlotKinds; ++kind) {
        const int takes = std::popcount(kSlotPositions[kind]);
        if (takes == 0 || slots[kind] <= 0) {
            continue;
        }
        for (std::size_t b = 0; b < kBasePositions; ++b) {
            if ((kSlotPositions[kind] & kPositionBits[b]) != 0) {
                shares[b] += static_cast<double>(slots[kind]) / takes;
            }
        }
        total += slots[kind];
    }
    for (double& share : shares) {
        share = total > 0.0 ? share / total : 1.0 / kBasePositions;
    }
    return shares;
}

SquareMatrix positionCovariance(const DraftModel& model, const std::vector<double>& x,
                                const std::vector<std::size_t>& pool) {
    const std::size_t categories = model.categories.size();
    const std::vector<double> shares = basePositionShares(model.slotCounts());
    SquareMatrix mixed(categories);
    double mixedShare = 0.0;
    for (std::size_t b = 0; b < kBasePositions; ++b) {
        std::vector<double> mean(categories, 0.0);
        double weight = 0.0;
        for (const std::size_t player : pool) {
            const std::uint8_t positions = model.players[player].positions;
            if ((positions & kPositionBits[b]) == 0) {
                continue;
            }
            const double counts = 1.0 / std::popcount(positions);
            weight += counts;
            for (std::size_t c = 0; c < categories; ++c) {
                mean[c] += counts * x[player * categories + c];
            }
        }
        if (!(weight > 0.0) || !(shares[b] > 0.0)) {
            continue;
        }
        for (double& value : mean) {
            value /= weight;
        }
        std::vector<double> centred(categories);
        for (const std::size_t player : pool) {
            const std::uint8_t positions = model.players[player].positions;
            if ((positions & kPositionBits[b]) == 0) {
                continue;
            }
            const double counts = shares[b] / std::popcount(positions) / weight;
            for (std::size_t c = 0; c < categories; ++c) {
                centred[c] = x[player * categories + c] - mean[c];
            }
            for (std::size_t r = 0; r < categories; ++r) {
                for (std::size_t c = 0; c < categories; ++c) {
                    mixed(r, c) += counts * centred[r] * centred[c];
                }
            }
        }
        mixedShare += shares[b];
    }
    if (mixedShare > 0.0) {
        for (std::size_t r = 0; r < categories; ++r) {
            for (std::size_t c = 0; c < categories; ++c) {
                mixed(r, c) /= mixedShare;
            }
        }
    }
    return mixed;
}

}  // namespace quorvane
