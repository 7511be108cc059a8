// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "advice/MoneyShare.h"
#include "advice/ZScores.h"
#include "headtohead/CategoryScales.h"
#include "model/DraftModel.h"

namespace quorvane {

// G-scores of every player of the season for a head-to-head league: his z-score in each
// category shrunk by how much the category swings from week to week,
// G = Z / sqrt(1 + kappa x r), kappa = 2N / (2N - 1) with N the counted roster size. A category
// whose weekly figures are mostly noise (steals) weighs less than one a player controls
// (assists). The z-scores and their pool are the advice's.
class GScores {
  public:
    // The z-scores must be of the same model; both must outlive this.
    GScores(const DraftModel& model, const ZScores& zScores);

    double kappa() const { return m_kappa; }
    const std::vector<CategoryScale>& scales() const { return m_scales; }

    // By index into model.players and model.categories.
    double g(std::size_t player, std::size_t category) const;
    // Over the categories not punted.
    double total(std::size_t player) const { return m_total[player]; }
    const std::vector<double>& totals() const { return m_total; }

    // G$ from the total G exactly as Z$ comes from the total Z: the M-th best total G is worth
    // the minimum bid (M = teams x counted roster), the league's money above the minimum bids
    // goes to the M best by their G above it. Worked out with the draft's cap and minimum bid
    // whatever its type, since the valuation stores it as every player's dollars.
    double dollars(std::size_t player) const;
    // The same in an auction only, as the advice's Z$ column shows it.
    std::optional<double> auctionDollars(std::size_t player) const;
    const MoneyShare& money() const { return m_money; }

  private:
    const DraftModel& m_model;
    const ZScores& m_z;
    double m_kappa = 0.0;
    std::vector<CategoryScale> m_scales;
    std::vector<double> m_shrink;  // per category: 1 / sqrt(1 + kappa x r)
    std::vector<double> m_total;
    MoneyShare m_money;
};

}  // namespace quorvane
