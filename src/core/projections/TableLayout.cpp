// SPDX-License-Identifier: MIT
#include <algorithm>
#include <array>
#include <cctype>

#include "projections/ProjectionTable.h"
#include "projections/TableCells.h"
#include "projections/TableNames.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

// No player averages this much of anything per game, and a season total of a regular player
// is well above it.
constexpr double kPerGameCeiling = 60.0;

bool isCountingField(TableField field) {
    switch (field) {
        case TableField::Minutes:
        case TableField::Points:
        case TableField::FieldGoalsAttempted:
        case TableField::Rebounds:
        case TableField::Assists:
        case TableField::DefensiveRebounds:
            return true;
        default:
            return false;
    }
}

// Per game when the typical row's largest counting figure is one a game could hold.
bool perGameByMagnitude(const DelimitedTable& table, const std::vector<TableColumn>& columns) {
    std::vector<double> largest;
    for (std::size_t r = 1; r < table.records.size(); ++r) {
        const auto& cells = table.records[r].cells;
        std::optional<double> most;
        for (std::size_t c = 0; c < columns.size() && c < cells.size(); ++c) {
            if (!isCountingField(columns[c].field)) {
                continue;
            }
            if (const NumberReading value =
                    readCheckedNumber(cells[c], table.numbers, kCountingRange);
                value.ok()) {
                most = std::max(most.value_or(value.value), value.value);
            }
        }
        if (most) {
            largest.push_back(*most);
        }
    }
    if (largest.empty()) {
        return false;
    }
    const auto middle = largest.begin() + static_cast<std::ptrdiff_t>(largest.size() / 2);
    std::nth_element(largest.begin(), middle, largest.end());
    return *middle <= kPerGameCeiling;
}

// A pasted table without headings: the column of names, teams and positions are plain to see
// from the cells; the figures are for the user to name.
void guessHeadlessColumns(const DelimitedTable& table, std::vector<TableColumn>& columns) {
    const std::size_t rows = std::min<std::size_t>(table.records.size(), 50);
    const auto share = [&](std::size_t c, auto&& test) {
        std::size_t yes = 0;
        std::size_t filled = 0;
        for (std::size_t r = 1; r < rows; ++r) {
            const auto& cells = table.records[r].cells;
            if (c < cells.size() && !cells[c].empty()) {
                ++filled;
                yes += test(cells[c]) ? 1 : 0;
            }
        }
        return filled > 0 && yes * 2 > filled;
    };
    bool named = false;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        TableField guess = TableField::Ignore;
        if (!named && share(c, [&](std::string_view cell) {
                return cell.find(' ') != std::string_view::npos &&
                       !readCheckedNumber(cell, table.numbers, {0.0, 1e12}).ok() &&
                       std::any_of(cell.begin(), cell.end(), [](char x) {
                           return std::isalpha(static_cast<unsigned char>(x)) != 0;
                       });
            })) {
            guess = TableField::Name;
            named = true;
        } else if (share(c, [](std::string_view cell) {
                       return isTeamCode(cell) || isMultiTeamMark(cell);
                   })) {
            guess = TableField::Team;
        } else if (share(c, [](std::string_view cell) {
                       return readPositionCell(cell).has_value();
                   })) {
            guess = TableField::Position;
        }
        if (guess != TableField::Ignore &&
            std::none_of(columns.begin(), columns.end(),
                         [guess](const TableColumn& column) { return column.field == guess; })) {
            columns[c].field = guess;
            columns[c].known = true;
        }
    }
}

}  // namespace

TableLayout mapTableColumns(const DelimitedTable& table, const TableImportOptions& options) {
    TableLayout layout;
    if (table.records.empty()) {
        return layout;
    }
    bool perGameHeading = false;
    for (const std::string_view heading : table.records.front().cells) {
        TableColumn column{std::string(heading), TableField::Ignore, false};
        if (const auto found = table.headed ? recogniseHeading(heading) : std::nullopt) {
            column.field = found->field;
            column.known = true;
            perGameHeading = perGameHeading || found->basis == FigureBasis::PerGame;
        }
        layout.columns.push_back(column);
    }
    if (!table.headed) {
        guessHeadlessColumns(table, layout.columns);
    }
    for (const auto& [heading, field] : options.mappings) {
        bool found = false;
        for (TableColumn& column : layout.columns) {
            if (equalsIgnoringCase(trim(column.heading), trim(heading))) {
                column.field = field;
                column.known = true;
                found = true;
            }
        }
        if (!found) {
            layout.missingMappings.push_back(heading);
        }
    }
    std::array<std::size_t, kTableFieldCount> feeding{};  // the column (from 1) feeding each field
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        TableColumn& column = layout.columns[i];
        const auto slot = static_cast<std::size_t>(column.field);
        if (column.field == TableField::Ignore) {
            column.closest = column.known ? TableField::Ignore : closestField(column.heading);
        } else if (feeding[slot] != 0) {
            column.closest = column.field;
            column.usedColumn = feeding[slot];
            column.field = TableField::Ignore;
        } else {
            feeding[slot] = i + 1;
        }
    }
    layout.perGame =
        options.perGame.value_or(perGameHeading || perGameByMagnitude(table, layout.columns));
    return layout;
}

}  // namespace quorvane
