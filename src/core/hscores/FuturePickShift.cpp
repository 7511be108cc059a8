// SPDX-License-Identifier: MIT
#include "hscores/FuturePickShift.h"

#include <cmath>

namespace quorvane {

namespace {

// Below this share of alpha x eta the Cauchy-Schwarz gap alpha eta - beta^2 is rounding.
constexpr double kParallel = 1e-12;

}  // namespace

FuturePickShift::FuturePickShift(const SquareMatrix& sigma, std::span<const double> neutral,
                                 std::span<const double> weights, double omega, double gamma)
    : m_sigma(sigma),
      m_omega(omega),
      m_gamma(gamma),
      m_sigmaV(sigma.times(neutral)),
      m_sigmaJ(sigma.times(weights)),
      m_shift(sigma.size(), 0.0) {
    m_alpha = dot(neutral, m_sigmaV);
    m_beta = dot(weights, m_sigmaV);
    m_eta = dot(weights, m_sigmaJ);
    const double gap = m_alpha * m_eta - m_beta * m_beta;
    if (!(m_alpha > 0.0) || !(gap > kParallel * m_alpha * m_eta)) {
        return;
    }
    m_defined = true;
    m_scale = m_alpha * gap;
    m_spread = std::sqrt(gap / m_alpha);
    m_p = gamma * m_beta + omega * m_alpha;
    m_q = gamma * m_eta + omega * m_beta;
    const double root = std::sqrt(m_scale);
    for (std::size_t c = 0; c < m_shift.size(); ++c) {
        m_shift[c] = (m_sigmaJ[c] * m_p - m_sigmaV[c] * m_q) / root;
    }
}

std::vector<double> FuturePickShift::pullBack(std::span<const double> outer) const {
    const std::size_t size = m_shift.size();
    std::vector<double> gradient(size, 0.0);
    if (!m_defined) {
        return gradient;
    }
    const std::vector<double> sigmaOuter = m_sigma.times(outer);
    const double aOuter = dot(m_sigmaV, outer);
    const double bOuter = dot(m_sigmaJ, outer);
    const double root = std::sqrt(m_scale);
    // X_d = M / sqrt(D): dM/dj = p Sigma + gamma b a' - a (2 gamma b + omega a)', and
    // dD/dj = 2 alpha (alpha b - beta a).
    const double mOuter = dot(m_shift, outer) * root;
    for (std::size_t k = 0; k < size; ++k) {
        const double direct = m_p * sigmaOuter[k] + m_gamma * m_sigmaV[k] * bOuter -
                              aOuter * (2.0 * m_gamma * m_sigmaJ[k] + m_omega * m_sigmaV[k]);
        const double throughScale =
            mOuter * m_alpha * (m_alpha * m_sigmaJ[k] - m_beta * m_sigmaV[k]) / m_scale;
        gradient[k] = (direct - throughScale) / root;
    }
    return gradient;
}

}  // namespace quorvane
