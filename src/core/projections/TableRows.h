// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cmath>
#include <compare>
#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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

// One player row of a table, read but not yet turned into season totals. Its texts and position
// are views of what the rows keep (or, while a row is read, of the reader's own).
struct TableRow {
    long long lineNumber = 0;
    std::string_view written;  // the name cell as written, to name the row in reports and choices
    std::string_view name;  // "First Last" or "Last, First", the site's id and annotation taken off
    std::string_view firstname;
    std::string_view lastname;
    std::string_view team;
    const PositionCell* position = nullptr;
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

// The rows of a table, kept packed: a table of a million players would otherwise hold two dozen
// figures of room and five strings for each, given or not. A row is unpacked as it is asked for.
class TableRows {
  public:
    long long repeatedHeadings = 0;   // heading lines repeated inside the table
    long long aggregates = 0;         // League Average, Team Totals ...
    long long nameless = 0;           // rows without a name
    std::vector<SkippedRow> refused;  // rows whose cells or name cannot be a player's

    std::size_t size() const { return m_rows.size(); }
    // The row's views stay valid while the rows live, moved or not.
    TableRow operator[](std::size_t index) const;
    std::string_view team(std::size_t index) const;

    void reserve(std::size_t rows) { m_rows.reserve(rows); }
    // Keeps a copy of the row's texts and position; the row may view anything.
    void add(const TableRow& row);

  private:
    // The texts of a row, one after the other in m_texts: the written name, the name (unless it
    // is the written one), first name, last name and team.
    enum Text : std::size_t { kWritten, kName, kFirstname, kLastname, kTeam, kTexts };
    struct PackedRow {
        long long lineNumber = 0;
        const char* texts = nullptr;
        std::size_t firstFigure = 0;  // in m_figures
        std::array<std::size_t, kTexts> lengths{};
        std::uint32_t given = 0;     // a bit for each figure the row gives, in the rows' order
        std::uint32_t position = 0;  // m_positions from 1, 0 for none
        bool nameIsWritten = false;
    };
    // Figures in blocks that never move: no copy of them all as they grow.
    class Figures {
      public:
        void push(double figure);
        double operator[](std::size_t index) const {
            return m_blocks[index / kBlock][index % kBlock];
        }
        std::size_t size() const { return m_size; }

      private:
        static constexpr std::size_t kBlock = 64 * 1024;
        std::vector<std::unique_ptr<double[]>> m_blocks;
        std::size_t m_size = 0;
    };
    struct PositionKey {
        std::array<int, 5> flags;
        std::string pos;
        std::string first;
        auto operator<=>(const PositionKey&) const = default;
    };

    std::uint32_t positionIndex(const PositionCell& position);

    std::vector<PackedRow> m_rows;
    Figures m_figures;
    CellTexts m_texts;
    std::deque<PositionCell> m_positions;  // each one once; never moves, as rows point at them
    std::map<PositionKey, std::uint32_t> m_positionIndex;
    std::string m_joined;  // a row's texts as they are put together
};

// Reads every record after the heading line. The first figure that cannot be read (not a
// number, outside its field's range for a season, also once per-game figures are multiplied by
// the games) stops it; a row whose cells do not fit the heading or whose name cannot be a
// player's is listed and left out.
std::variant<TableRows, TableCellFault> readTableRows(const DelimitedTable& table,
                                                      const TableLayout& layout);

}  // namespace quorvane
