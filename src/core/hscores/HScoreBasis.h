// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "headtohead/GScores.h"
#include "hscores/SquareMatrix.h"
#include "model/DraftModel.h"

namespace quorvane {

// What H-scores are measured with across the whole league: every player's X-scores and total G,
// the neutral weights v, the uncertainty weights w and the covariance Sigma. These belong to the
// season's players, not to the draft's state, so one basis serves every turn of a draft.
class HScoreBasis {
  public:
    // The G-scores must be of the same model. The pool is the teams x counted roster players of
    // best total G (over every category: the weights choose what to give up, not the punts).
    HScoreBasis(const DraftModel& model, const GScores& gScores);

    std::size_t categories() const { return m_categories; }
    std::span<const double> x(std::size_t player) const {
        return {m_x.data() + player * m_categories, m_categories};
    }
    double g(std::size_t player) const { return m_g[player]; }
    const std::vector<std::size_t>& pool() const { return m_pool; }
    const std::vector<double>& neutral() const { return m_neutral; }
    const std::vector<double>& uncertainty() const { return m_uncertainty; }
    const SquareMatrix& covariance() const { return m_covariance; }

  private:
    std::size_t m_categories = 0;
    std::vector<double> m_g;
    std::vector<std::size_t> m_pool;
    std::vector<double> m_x;
    std::vector<double> m_neutral;
    std::vector<double> m_uncertainty;
    SquareMatrix m_covariance;
};

// Best total G first, ties by lower playerid.
bool betterByG(const DraftModel& model, const HScoreBasis& basis, std::size_t a, std::size_t b);

}  // namespace quorvane
