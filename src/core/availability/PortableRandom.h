// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

namespace quorvane {

// One step of SplitMix64: a well-mixed 64-bit number from a counter. Seeds and hashes of seeds
// go through it.
std::uint64_t splitMix64(std::uint64_t& state);

// Two numbers mixed into one seed, so that each (seed, continuation) or (seed, player) pair
// starts a stream of its own.
std::uint64_t mixSeed(std::uint64_t seed, std::uint64_t salt);

// xoshiro256**: fast, of good quality and written out here, so that a seed gives the same
// figures on every machine, compiler and standard library.
class PortableRandom {
  public:
    explicit PortableRandom(std::uint64_t seed);
    std::uint64_t next();

  private:
    std::array<std::uint64_t, 4> m_state{};
};

// No figure normalFromBits returns lies further from 0 than this.
inline constexpr double kNormalBound = 6.5;

// A standard normal figure from the high 32 bits of a random number: the normal quantile of the
// uniform they make, (k + 1/2) / 2^32, by Acklam's rational approximation (relative error
// below 1.2e-9). Only arithmetic, a logarithm and a square root, so no library's distribution
// decides the figures; the uniform's spacing keeps every figure within about 6.35.
double normalFromBits(std::uint64_t bits);

}  // namespace quorvane
