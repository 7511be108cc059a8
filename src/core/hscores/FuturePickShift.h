// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <vector>

#include "hscores/SquareMatrix.h"

namespace quorvane {

// Defaults of the future-pick model: how far a drafter who aims his weights j away from the
// neutral v gains in j's direction (omega) and what he pays in v's (gamma).
inline constexpr double kDefaultOmega = 0.7;
inline constexpr double kDefaultGamma = 0.25;

// What one future pick of a drafter who weighs the categories by j adds in X-scores beyond the
// pick of a drafter who weighs them neutrally by v:
//   X_d(j) = Sigma (j v' - v j') Sigma (gamma j + omega v) s / ((j'Sj)(v'Sv) - (v'Sj)^2),
//   s = sqrt(u'Su), u = j - v (v'Sj)/(v'Sv),
// so that v'X_d = -gamma s and j'X_d = omega s. Since u'Su = ((j'Sj)(v'Sv) - (v'Sj)^2) / v'Sv,
// this is Sigma(j p - v q) / sqrt(v'Sv ((j'Sj)(v'Sv) - (v'Sj)^2)) with p = gamma v'Sj +
// omega v'Sv and q = gamma j'Sj + omega v'Sj, the form computed here.
class FuturePickShift {
  public:
    FuturePickShift(const SquareMatrix& sigma, std::span<const double> neutral,
                    std::span<const double> weights, double omega, double gamma);

    // Zero when j points where v does (to rounding): the shift is 0/0 there, its limit
    // depending on the side j comes from, and a drafter who keeps to v has nothing to trade.
    const std::vector<double>& shift() const { return m_shift; }
    bool defined() const { return m_defined; }
    // s, the spread of u in Sigma.
    double spread() const { return m_spread; }

    // The gradient in j of a figure whose gradient in X_d is `outer`: J' outer, J = dX_d/dj.
    std::vector<double> pullBack(std::span<const double> outer) const;

  private:
    const SquareMatrix& m_sigma;
    double m_omega;
    double m_gamma;
    std::vector<double> m_sigmaV;  // a = Sigma v
    std::vector<double> m_sigmaJ;  // b = Sigma j
    double m_alpha = 0.0;          // v'Sv
    double m_beta = 0.0;           // v'Sj
    double m_eta = 0.0;            // j'Sj
    double m_p = 0.0;
    double m_q = 0.0;
    double m_scale = 0.0;  // D = alpha (alpha eta - beta^2)
    bool m_defined = false;
    double m_spread = 0.0;
    std::vector<double> m_shift;
};

}  // namespace quorvane
