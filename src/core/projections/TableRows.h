// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "projections/ProjectionTable.h"
#include "projections/TableCells.h"

namespace quorvane {

// The made, attempted and percentage figures of one kind of shot, as the table gives them.
struct ShotFigures {
    std::optional<double> made;
    std::optional<double> attempted;
    std::optional<double> fraction;
};

// One player row of a table, read but not yet turned into season totals.
struct TableRow {
    long long lineNumber = 0;
    std::string name;  // as written, "First Last" or "Last, First"
    std::string firstname;
    std::string lastname;
    std::string team;
    std::optional<PositionCell> position;
    std::optional<double> games;
    std::optional<double> minutes;
    std::optional<double> points;
    ShotFigures fieldGoals;
    ShotFigures freeThrows;
    ShotFigures threes;
    std::optional<double> offensiveRebounds;
    std::optional<double> defensiveRebounds;
    std::optional<double> rebounds;
    std::optional<double> assists;
    std::optional<double> steals;
    std::optional<double> blocks;
    std::optional<double> turnovers;
    std::optional<double> doubleDoubles;
    std::optional<double> tripleDoubles;
    std::optional<double> adp;
    std::optional<double> aav;
};

// A cell that cannot be read: where it is and why.
struct TableCellFault {
    long long lineNumber = 0;
    std::size_t column = 0;  // from 1
    std::string heading;
    std::string text;
    std::string expected;  // "a number", "a percentage", "a position"
};

struct TableRows {
    std::vector<TableRow> rows;
    long long skipped = 0;  // heading lines repeated inside the table, rows without a name
};

// Reads every record after the heading line. The first cell that cannot be read stops it.
std::variant<TableRows, TableCellFault> readTableRows(const DelimitedTable& table,
                                                      const TableLayout& layout);

}  // namespace quorvane
