// SPDX-License-Identifier: MIT
#include "availability/PortableRandom.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

std::uint64_t rotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

// Acklam's coefficients: the central region's numerator and denominator, then the tails'.
constexpr double kA[] = {-3.969683028665376e+01, 2.209460984245205e+02,  -2.759285104469687e+02,
                         1.383577518672690e+02,  -3.066479806614716e+01, 2.506628277459239e+00};
constexpr double kB[] = {-5.447609879822406e+01, 1.615858368580409e+02, -1.556989798598866e+02,
                         6.680131188771972e+01, -1.328068155288572e+01};
constexpr double kC[] = {-7.784894002430293e-03, -3.223964580411365e-01, -2.400758277161838e+00,
                         -2.549732539343734e+00, 4.374664141464968e+00,  2.938163982698783e+00};
constexpr double kD[] = {7.784695709041462e-03, 3.224671290700398e-01, 2.445134137142996e+00,
                         3.754408661907416e+00};
constexpr double kTail = 0.02425;

double lowerTail(double p) {
    const double q = std::sqrt(-2.0 * std::log(p));
    return (((((kC[0] * q + kC[1]) * q + kC[2]) * q + kC[3]) * q + kC[4]) * q + kC[5]) /
           ((((kD[0] * q + kD[1]) * q + kD[2]) * q + kD[3]) * q + 1.0);
}

}  // namespace

std::uint64_t splitMix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t mixSeed(std::uint64_t seed, std::uint64_t salt) {
    std::uint64_t state = seed ^ rotateLeft(salt * 0xd1342543de82ef95ULL, 23);
    splitMix64(state);
    return splitMix64(state);
}

PortableRandom::PortableRandom(std::uint64_t seed) {
    for (std::uint64_t& word : m_state) {
        word = splitMix64(seed);
    }
}

std::uint64_t PortableRandom::next() {
    const std::uint64_t result = rotateLeft(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotateLeft(m_state[3], 45);
    return result;
}

double normalFromBits(std::uint64_t bits) {
    const double p = (static_cast<double>(bits >> 32) + 0.5) * 0x1p-32;
    double z = 0.0;
    if (p < kTail) {
        z = lowerTail(p);
    } else if (p > 1.0 - kTail) {
        z = -lowerTail(1.0 - p);
    } else {
        const double q = p - 0.5;
        const double r = q * q;
        z = (((((kA[0] * r + kA[1]) * r + kA[2]) * r + kA[3]) * r + kA[4]) * r + kA[5]) * q /
            (((((kB[0] * r + kB[1]) * r + kB[2]) * r + kB[3]) * r + kB[4]) * r + 1.0);
    }
    return std::clamp(z, -kNormalBound, kNormalBound);
}

}  // namespace quorvane
