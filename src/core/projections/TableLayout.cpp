// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cctype>

#include "projections/ProjectionTable.h"
#include "projections/TableCells.h"
#include "store/NumberText.h"

namespace quorvane {

namespace {

// No player averages this much of anything per game, and a season total of a regular player
// is well above it.
constexpr double kPerGameCeiling = 60.0;

bool sameHeading(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

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
            if (const auto value = readTableNumber(cells[c], table.decimalComma)) {
                most = std::max(most.value_or(*value), *value);
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

}  // namespace

TableLayout mapTableColumns(const DelimitedTable& table, const TableImportOptions& options) {
    TableLayout layout;
    if (table.records.empty()) {
        return layout;
    }
    bool perGameHeading = false;
    for (const std::string& heading : table.records.front().cells) {
        TableColumn column{heading, TableField::Ignore, false};
        if (const auto found = fieldOfHeading(heading)) {
            column.field = found->field;
            column.known = true;
            perGameHeading = perGameHeading || found->basis == FigureBasis::PerGame;
        }
        layout.columns.push_back(column);
    }
    for (const auto& [heading, field] : options.mappings) {
        bool found = false;
        for (TableColumn& column : layout.columns) {
            if (sameHeading(trim(column.heading), trim(heading))) {
                column.field = field;
                column.known = true;
                found = true;
            }
        }
        if (!found) {
            layout.missingMappings.push_back(heading);
        }
    }
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        for (std::size_t k = 0; k < i; ++k) {
            if (layout.columns[k].field == layout.columns[i].field) {
                layout.columns[i].field = TableField::Ignore;
            }
        }
    }
    layout.perGame =
        options.perGame.value_or(perGameHeading || perGameByMagnitude(table, layout.columns));
    return layout;
}

}  // namespace quorvane
