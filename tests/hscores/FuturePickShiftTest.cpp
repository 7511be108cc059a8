// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "hscores/FuturePickShift.h"

namespace quorvane {
namespace {

SquareMatrix matrixOf(std::initializer_list<std::initializer_list<double>> rows) {
    SquareMatrix matrix(rows.size());
    std::size_t r = 0;
    for (const auto& row : rows) {
        std::size_t c = 0;
        for (const double value : row) {
            matrix(r, c++) = value;
        }
        ++r;
    }
    return matrix;
}

const std::vector<double> kThirds = {1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0};
const std::vector<double> kLeaning = {0.40, 0.35, 0.25};

TEST(FuturePickShift, GivesTheWorkedShiftWithoutCorrelations) {
    const SquareMatrix identity = matrixOf({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
    const FuturePickShift future(identity, kThirds, kLeaning, 0.7, 0.25);
    ASSERT_TRUE(future.defined());
    EXPECT_NEAR(future.spread(), 0.10801, 5e-6);
    EXPECT_NEAR(future.shift()[0], 0.5593, 5e-5);
    EXPECT_NEAR(future.shift()[1], 0.1196, 5e-5);
    EXPECT_NEAR(future.shift()[2], -0.7599, 5e-5);
}

TEST(FuturePickShift, GivesTheWorkedShiftWithCorrelations) {
    const SquareMatrix sigma = matrixOf({{1, .5, .2}, {.5, 1, .3}, {.2, .3, 1}});
    const FuturePickShift future(sigma, kThirds, kLeaning, 0.7, 0.25);
    ASSERT_TRUE(future.defined());
    EXPECT_NEAR(future.spread(), 0.09826, 5e-6);
    EXPECT_NEAR(future.shift()[0], 0.4801, 5e-5);
    EXPECT_NEAR(future.shift()[1], 0.1519, 5e-5);
    EXPECT_NEAR(future.shift()[2], -0.7057, 5e-5);
}

TEST(FuturePickShift, IsZeroWhereTheWeightsAreNeutral) {
    const SquareMatrix sigma = matrixOf({{1, .5, .2}, {.5, 1, .3}, {.2, .3, 1}});
    const FuturePickShift future(sigma, kThirds, kThirds, 0.7, 0.25);
    EXPECT_FALSE(future.defined());
    for (const double value : future.shift()) {
        EXPECT_EQ(value, 0.0);
    }
    for (const double value : future.pullBack(kLeaning)) {
        EXPECT_EQ(value, 0.0);
    }
}

// Random covariances (A A' plus a little of the identity) and weights on the simplex.
class RandomLeagues : public ::testing::Test {
  protected:
    std::vector<double> simplexPoint(std::size_t size) {
        std::vector<double> point(size);
        double sum = 0.0;
        for (double& value : point) {
            value = 0.05 + m_uniform(m_random);
            sum += value;
        }
        for (double& value : point) {
            value /= sum;
        }
        return point;
    }
    SquareMatrix covariance(std::size_t size) {
        std::vector<double> a(size * size);
        for (double& value : a) {
            value = 2.0 * m_uniform(m_random) - 1.0;
        }
        SquareMatrix sigma(size);
        for (std::size_t r = 0; r < size; ++r) {
            for (std::size_t c = 0; c < size; ++c) {
                for (std::size_t k = 0; k < size; ++k) {
                    sigma(r, c) += a[r * size + k] * a[c * size + k];
                }
            }
            sigma(r, r) += 0.1;
        }
        return sigma;
    }
    double uniform() { return m_uniform(m_random); }

  private:
    std::mt19937_64 m_random{20240611};
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};

TEST_F(RandomLeagues, ShiftCostsGammaAlongNeutralAndGainsOmegaAlongTheWeights) {
    for (std::size_t size = 2; size <= 12; ++size) {
        const SquareMatrix sigma = covariance(size);
        const std::vector<double> neutral = simplexPoint(size);
        const std::vector<double> weights = simplexPoint(size);
        const double omega = 0.3 + uniform();
        const double gamma = 0.1 + uniform();
        const FuturePickShift future(sigma, neutral, weights, omega, gamma);
        ASSERT_TRUE(future.defined()) << size;
        const double s = future.spread();
        EXPECT_GT(s, 0.0);
        EXPECT_NEAR(dot(neutral, future.shift()), -gamma * s, 1e-10 * (1.0 + s)) << size;
        EXPECT_NEAR(dot(weights, future.shift()), omega * s, 1e-10 * (1.0 + s)) << size;
    }
}

TEST_F(RandomLeagues, PullBackIsTheGradientFiniteDifferencesFind) {
    constexpr double kStep = 1e-6;
    for (std::size_t size = 2; size <= 10; ++size) {
        const SquareMatrix sigma = covariance(size);
        const std::vector<double> neutral = simplexPoint(size);
        const std::vector<double> weights = simplexPoint(size);
        std::vector<double> outer(size);
        for (double& value : outer) {
            value = 2.0 * uniform() - 1.0;
        }
        const FuturePickShift future(sigma, neutral, weights, 0.7, 0.25);
        const std::vector<double> gradient = future.pullBack(outer);
        for (std::size_t k = 0; k < size; ++k) {
            std::vector<double> up = weights;
            std::vector<double> down = weights;
            up[k] += kStep;
            down[k] -= kStep;
            const double rise =
                dot(outer, FuturePickShift(sigma, neutral, up, 0.7, 0.25).shift()) -
                dot(outer, FuturePickShift(sigma, neutral, down, 0.7, 0.25).shift());
            const double expected = rise / (2.0 * kStep);
            EXPECT_NEAR(gradient[k], expected, 1e-5 * (1.0 + std::abs(expected)))
                << "size " << size << " category " << k;
        }
    }
}

}  // namespace
}  // namespace quorvane
