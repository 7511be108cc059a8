// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// A figure of the math of a player's value as a person reads it: money ("dollars", "zdollars",
// "dollars_per_sgp") to 2 decimals, any other fraction to 3, whole numbers and text as they
// are. Rounding halves away from zero.
std::string readableFigure(std::string_view key, std::string_view value);

}  // namespace quorvane
