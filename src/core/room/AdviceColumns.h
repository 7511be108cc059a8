// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/GridTable.h"

namespace quorvane {

class RoomAdvice;

// Headings of the pick advice's columns in the available-players grid: standings gain, total
// z, z dollars and value over next available.
std::vector<std::string> adviceHeadings();

// Puts the advice's four cells into every row of the available-players grid, before its last
// column (the notes), two decimals each; a figure the advice leaves blank (a drafted player, no
// team of the user's) is an empty cell. The column that is blank for every player is hidden: Z$
// outside auctions, VONA in an auction. When `sortHeading` is one of these columns the rows go
// best first by it, blanks last, the grid's own order kept among equals.
void addAdviceColumns(GridTable& grid, const RoomAdvice* advice, std::string_view sortHeading,
                      bool auction);

}  // namespace quorvane
