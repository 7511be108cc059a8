// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "text/CheckedNumber.h"

namespace quorvane {

// A shooting percentage, possibly with the made and attempted figures behind it:
// "0.451", ".451", "45.1", "45.1%", "0.517 (9.5/18.3)" or "9.5/18.3" alone.
struct PercentageCell {
    std::optional<double> fraction;  // 0.451 for every way of writing it
    std::optional<double> made;
    std::optional<double> attempted;
};
// Nullopt for a cell that is none of these, or whose figures are out of range (a percentage
// above 100, made or attempted figures beyond any season).
std::optional<PercentageCell> readPercentageCell(std::string_view cell, NumberConvention numbers);

// Positions as the program's own file stores them: the flags PG, SG, PF, SF, C and the general
// position G, F or C of the first one listed.
struct PositionCell {
    std::array<int, 5> flags{};  // PG, SG, PF, SF, C
    std::string pos;
    std::string first;  // the first position as written: "PG", "G", ...
};
// "PG", "PG,SG", "PG-SG", "G/F", "F-C", "SF PF" and the like; nullopt for a cell that names
// something else. UTIL and UT are slots, not positions, and are passed over.
std::optional<PositionCell> readPositionCell(std::string_view cell);

}  // namespace quorvane
