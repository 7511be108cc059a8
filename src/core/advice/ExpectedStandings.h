// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "model/DraftModel.h"

namespace quorvane {

// The standings a draft is heading for: the best available players by the draft's value fill
// every team's open starting slots (the expected pool), each open slot held by the pool's
// average player, and the teams are ranked over those expected totals as the projected
// standings rank them.
class ExpectedStandings {
  public:
    // `available` lists the available players best first by the draft's value.
    ExpectedStandings(const DraftModel& model, const std::vector<std::size_t>& available);

    // Indices into model.players of the expected pool, best first.
    const std::vector<std::size_t>& pool() const { return m_pool; }
    // The mean of the pool's columns; zeros for an empty pool.
    const StatLine& averagePlayer() const { return m_average; }
    // Starting slots of the team (by its index in model.teams) not yet filled.
    int openSlots(std::size_t team) const { return m_openSlots[team]; }
    // Players the team already holds in starting slots.
    int filledSlots(std::size_t team) const { return m_filledSlots[team]; }
    const StatLine& expectedTotals(std::size_t team) const { return m_totals[team]; }
    // Rank points of a team in a category (by index in model.categories): one, plus one per
    // team it beats, plus a half per team it ties.
    double rankPoints(std::size_t team, std::size_t category) const;

    // What the player adds to the team in place of one average pool player, in total over the
    // categories not punted: rank points in a rotisserie league, fantasy points in a points
    // league. nullopt when the team has no open slot.
    std::optional<double> gain(std::size_t team, const ModelPlayer& player) const;
    // The same per category (punted ones included), in the draft's category order.
    std::optional<std::vector<double>> categoryGains(std::size_t team,
                                                     const ModelPlayer& player) const;

  private:
    double categoryGain(std::size_t team, std::size_t category, const StatLine& stats) const;
    double pointsAgainstOthers(std::size_t team, std::size_t category, double figure) const;

    const DraftModel& m_model;
    std::vector<std::size_t> m_pool;
    StatLine m_average{};
    std::vector<int> m_openSlots;
    std::vector<int> m_filledSlots;
    std::vector<StatLine> m_totals;
    // Per category: the average player's numerator and denominator, and its figure.
    std::vector<double> m_averageNumerator;
    std::vector<double> m_averageDenominator;
    std::vector<double> m_averageFigure;
    // Per team and category (team * categories + category): the expected totals' numerator,
    // denominator, figure as the standings compare it, and rank points.
    std::vector<double> m_numerator;
    std::vector<double> m_denominator;
    std::vector<double> m_figure;
    std::vector<double> m_points;
};

// Team totals that differ by less than this share of their size count as tied: totals that
// hold fractional average players reach equal sums along different orders of addition.
inline constexpr double kTieTolerance = 1e-9;

}  // namespace quorvane
