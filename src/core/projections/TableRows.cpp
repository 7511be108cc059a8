// SPDX-License-Identifier: MIT
#include "projections/TableRows.h"

#include <algorithm>
#include <cctype>

#include "store/NumberText.h"

namespace quorvane {

namespace {

// Cells sites write for "no figure".
bool isEmptyCell(const std::string& cell) {
    return cell.empty() || cell == "-" || cell == "--" || cell == "\xE2\x80\x94" || cell == "N/A" ||
           cell == "n/a" || cell == "NA";
}

std::string upperText(std::string_view text) {
    std::string result;
    for (const char c : text) {
        result += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return result;
}

class RowReader {
  public:
    RowReader(const DelimitedTable& table, const TableLayout& layout, const TableRecord& record)
        : m_table(table), m_layout(layout), m_record(record) {}

    std::optional<TableCellFault> read(TableRow& row) {
        row.lineNumber = m_record.lineNumber;
        for (std::size_t c = 0; c < m_layout.columns.size() && c < m_record.cells.size(); ++c) {
            const std::string& cell = m_record.cells[c];
            if (!isEmptyCell(cell) && !readCell(m_layout.columns[c].field, cell, row)) {
                return TableCellFault{m_record.lineNumber, c + 1, m_layout.columns[c].heading, cell,
                                      m_expected};
            }
        }
        return std::nullopt;
    }

  private:
    bool number(const std::string& cell, std::optional<double>& into) {
        m_expected = "a number";
        const auto value = readTableNumber(cell, m_table.decimalComma);
        if (!value || *value < 0.0) {
            return false;
        }
        into = value;
        return true;
    }

    bool percentage(const std::string& cell, ShotFigures& shots) {
        m_expected = "a percentage";
        const auto value = readPercentageCell(cell, m_table.decimalComma);
        if (!value) {
            return false;
        }
        shots.fraction = value->fraction;
        // Made and attempted columns of their own take precedence over the cell's figures.
        if (!shots.made && !shots.attempted) {
            shots.made = value->made;
            shots.attempted = value->attempted;
        }
        return true;
    }

    bool readCell(TableField field, const std::string& cell, TableRow& row) {
        switch (field) {
            case TableField::Ignore:
                return true;
            case TableField::Name:
                row.name = cell;
                return true;
            case TableField::FirstName:
                row.firstname = cell;
                return true;
            case TableField::LastName:
                row.lastname = cell;
                return true;
            case TableField::Team:
                row.team = upperText(cell);
                return true;
            case TableField::Position:
                m_expected = "a position";
                row.position = readPositionCell(cell);
                return row.position.has_value();
            case TableField::Games:
                return number(cell, row.games);
            case TableField::Minutes:
                return number(cell, row.minutes);
            case TableField::Points:
                return number(cell, row.points);
            case TableField::FieldGoalsMade:
                return number(cell, row.fieldGoals.made);
            case TableField::FieldGoalsAttempted:
                return number(cell, row.fieldGoals.attempted);
            case TableField::FieldGoalPercentage:
                return percentage(cell, row.fieldGoals);
            case TableField::FreeThrowsMade:
                return number(cell, row.freeThrows.made);
            case TableField::FreeThrowsAttempted:
                return number(cell, row.freeThrows.attempted);
            case TableField::FreeThrowPercentage:
                return percentage(cell, row.freeThrows);
            case TableField::ThreesMade:
                return number(cell, row.threes.made);
            case TableField::ThreesAttempted:
                return number(cell, row.threes.attempted);
            case TableField::ThreePercentage:
                return percentage(cell, row.threes);
            case TableField::OffensiveRebounds:
                return number(cell, row.offensiveRebounds);
            case TableField::DefensiveRebounds:
                return number(cell, row.defensiveRebounds);
            case TableField::Rebounds:
                return number(cell, row.rebounds);
            case TableField::Assists:
                return number(cell, row.assists);
            case TableField::Steals:
                return number(cell, row.steals);
            case TableField::Blocks:
                return number(cell, row.blocks);
            case TableField::Turnovers:
                return number(cell, row.turnovers);
            case TableField::DoubleDoubles:
                return number(cell, row.doubleDoubles);
            case TableField::TripleDoubles:
                return number(cell, row.tripleDoubles);
            case TableField::Adp:
                return number(cell, row.adp);
            case TableField::Aav:
                return number(cell, row.aav);
        }
        return true;
    }

    const DelimitedTable& m_table;
    const TableLayout& m_layout;
    const TableRecord& m_record;
    const char* m_expected = "";
};

bool sameText(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

// A heading line repeated inside the table, as reference sites do every twenty rows.
bool repeatsHeadings(const TableRecord& record, const TableLayout& layout) {
    for (std::size_t c = 0; c < layout.columns.size() && c < record.cells.size(); ++c) {
        const TableField field = layout.columns[c].field;
        if ((field == TableField::Name || field == TableField::LastName) &&
            sameText(record.cells[c], layout.columns[c].heading)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::variant<TableRows, TableCellFault> readTableRows(const DelimitedTable& table,
                                                      const TableLayout& layout) {
    TableRows result;
    result.rows.reserve(table.records.size());
    for (std::size_t r = 1; r < table.records.size(); ++r) {
        const TableRecord& record = table.records[r];
        if (repeatsHeadings(record, layout)) {
            ++result.skipped;
            continue;
        }
        TableRow row;
        if (auto fault = RowReader(table, layout, record).read(row)) {
            return *fault;
        }
        if (row.name.empty()) {
            row.name = trim(row.firstname + " " + row.lastname);
        }
        if (row.name.empty()) {
            ++result.skipped;
            continue;
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

}  // namespace quorvane
