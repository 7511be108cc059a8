// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quorvane {

// The five positions a projection lists, in the order of the stored position columns and of
// their bits in a player's positions (kPositionPG is bit 0).
inline constexpr std::array<std::string_view, 5> kPositionNames = {"PG", "SG", "SF", "PF", "C"};
inline constexpr std::uint8_t kPositionPG = 1;
inline constexpr std::uint8_t kPositionSG = 2;
inline constexpr std::uint8_t kPositionSF = 4;
inline constexpr std::uint8_t kPositionPF = 8;
inline constexpr std::uint8_t kPositionC = 16;

}  // namespace quorvane
