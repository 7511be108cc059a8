// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

#include "headtohead/CategoryScales.h"
#include "hscores/SquareMatrix.h"
#include "model/DraftModel.h"

namespace quorvane {

// X-scores of every player of the season (player x category, by index into model.players and
// model.categories): his weekly contribution over the pool's in units of one player's
// week-to-week spread tau. A counting category: (m - mean m) / tau, m his weekly figure and the
// mean over the pool, turned round where fewer is better. A ratio category: his weekly made less
// the pool's rate times his weekly attempts, over A-bar x tau (A-bar the mean weekly attempts the
// matchups use), which is (a / A-bar)(r - r-bar) / tau. A category without a spread scores 0.
std::vector<double> xScores(const DraftModel& model, const std::vector<CategoryScale>& scales,
                            const std::vector<std::size_t>& pool);

// v: per category sqrt(tau^2 / (tau^2 + sigma^2)), scaled to sum 1 (0 where neither varies).
std::vector<double> neutralWeights(const std::vector<CategoryScale>& scales);

// w: per category sigma^2 / tau^2, what one unknown player adds to a matchup's variance in
// X-score units (0 where tau is 0).
std::vector<double> uncertaintyWeights(const std::vector<CategoryScale>& scales);

// The five base positions' share of a roster's starting slots: a slot that takes several
// (G, F, UT) is split equally among them. In the order PG, SG, SF, PF, C; equal shares when the
// draft has no starting slot.
std::vector<double> basePositionShares(const SlotCounts& slots);

// Sigma: the covariance of the pool's X-scores within each base position (around that
// position's mean; a player listed at k positions counts 1/k in each), mixed by the positions'
// shares of the starting slots. A position none of the pool plays leaves its share to the rest.
SquareMatrix positionCovariance(const DraftModel& model, const std::vector<double>& x,
                                const std::vector<std::size_t>& pool);

}  // namespace quorvane
