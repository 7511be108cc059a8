// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// What a category's z-scores are measured against: the pool's mean and population standard
// deviation of the figure (of the volume impact for percentages and assists per turnover),
// and for those the pool's rate, made over attempted.
struct CategoryMoments {
    double mean = 0.0;
    double sd = 0.0;
    double rate = 0.0;
};

// Z-scores of every player of the season, drafted or not: a z-score belongs to the player, not
// to the state of the draft. The pool P holds teams x starting slots players, found in two
// passes: the best by the draft's value, then the best by total z measured against the first
// pool. Every figure is measured against the second pool; a player outside it gets his z from
// the same means and deviations.
class ZScores {
  public:
    explicit ZScores(const DraftModel& model);

    // Players of the pool P (M of them, or every player when there are fewer), best first by
    // the first pass's total.
    const std::vector<std::size_t>& pool() const { return m_pool; }
    // The M best by the final total z, best first: z_M is the last one's.
    const std::vector<std::size_t>& top() const { return m_top; }
    const std::vector<CategoryMoments>& moments() const { return m_moments; }

    // By index into model.players and model.categories.
    double z(std::size_t player, std::size_t category) const {
        return m_z[player * m_categories + category];
    }
    // The sum over the categories not punted.
    double total(std::size_t player) const { return m_total[player]; }

    // Auctions: minbid + (z - z_M) * rate, z_M the M-th highest total z and rate the money of
    // the league above the minimum bids over the pool's z above z_M. nullopt otherwise.
    std::optional<double> dollars(std::size_t player) const;
    double poolEdge() const { return m_edge; }
    double rate() const { return m_rate; }

  private:
    std::vector<CategoryMoments> momentsOver(const std::vector<std::size_t>& pool) const;
    void measure(const std::vector<CategoryMoments>& moments);
    double rawFigure(std::size_t player, std::size_t category,
                     const CategoryMoments& moments) const;

    const DraftModel& m_model;
    std::size_t m_categories = 0;
    std::vector<std::size_t> m_pool;
    std::vector<std::size_t> m_top;
    std::vector<CategoryMoments> m_moments;
    std::vector<double> m_z;
    std::vector<double> m_total;
    bool m_auction = false;
    double m_edge = 0.0;
    double m_rate = 0.0;
};

}  // namespace quorvane
