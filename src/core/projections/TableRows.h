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
    std::string written;  // the name cell as written, to name the row in reports and choices
    std::string name;     // "First Last" or "Last, First", the site's id and annotation taken off
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
    std::string problem;  // "is not a number", "is outside 0 to 100", "is not a position"
};

// A row listed in the report instead of read.
struct SkippedRow {
    long long lineNumber = 0;
    std::string reason;  // "has 3 cells where the heading has 17", "the name holds a control ..."
};

struct TableRows {
    std::vector<TableRow> rows;
    long long repeatedHeadings = 0;   // heading lines repeated inside the table
    long long aggregates = 0;         // League Average, Team Totals ...
    long long nameless = 0;           // rows without a name
    std::vector<SkippedRow> refused;  // rows whose cells or name cannot be a player's
};

// Reads every record after the heading line. The first figure that cannot be read (not a
// number, outside its field's range for a season, also once per-game figures are multiplied by
// the games) stops it; a row whose cells do not fit the heading or whose name cannot be a
// player's is listed and left out.
std::variant<TableRows, TableCellFault> readTableRows(const DelimitedTable& table,
                                                      const TableLayout& layout);

}  // namespace quorvane
