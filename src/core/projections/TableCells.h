// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// A figure of a table cell; the decimal mark is a comma in tables that write them so. A
// thousands separator is not accepted: "1,234" in a comma table is read as 1.234 only when
// decimal commas were detected.
std::optional<double> readTableNumber(std::string_view cell, bool decimalComma);

// A shooting percentage, possibly with the made and attempted figures behind it:
// "0.451", ".451", "45.1", "45.1%", "0.517 (9.5/18.3)" or "9.5/18.3" alone.
struct PercentageCell {
    std::optional<double> fraction;  // 0.451 for every way of writing it
    std::optional<double> made;
    std::optional<double> attempted;
};
std::optional<PercentageCell> readPercentageCell(std::string_view cell, bool decimalComma);

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
