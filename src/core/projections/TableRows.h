// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "projections/ProjectionTable.h"
#include "projections/TableCells.h"

namespace quorvane {

// A figure a row may leave out, in the room of the number alone: a table of a million rows holds
// two dozen of them per row. Not-a-number stands for none, which no figure read is (the checked
// reading refuses it). It reads like std::optional<double>.
class TableFigure {
  public:
    TableFigure() = default;
    TableFigure(std::nullopt_t) {}
    TableFigure(double value) : m_value(value) {}
    TableFigure(std::optional<double> value) : m_value(value.value_or(kNone)) {}

    bool has_value() const { return !std::isnan(m_value); }
    explicit operator bool() const { return has_value(); }
    double operator*() const { return m_value; }
    double value_or(double other) const { return has_value() ? m_value : other; }
    std::optional<double> optional() const {
        return has_value() ? std::optional<double>(m_value) : std::nullopt;
    }

  private:
    static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    double m_value = kNone;
};

// The made, attempted and percentage figures of one kind of shot, as the table gives them.
struct ShotFigures {
    TableFigure made;
    TableFigure attempted;
    TableFigure fraction;
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
    TableFigure games;
    TableFigure minutes;
    TableFigure points;
    ShotFigures fieldGoals;
    ShotFigures freeThrows;
    ShotFigures threes;
    TableFigure offensiveRebounds;
    TableFigure defensiveRebounds;
    TableFigure rebounds;
    TableFigure assists;
    TableFigure steals;
    TableFigure blocks;
    TableFigure turnovers;
    TableFigure doubleDoubles;
    TableFigure tripleDoubles;
    TableFigure adp;
    TableFigure aav;
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
