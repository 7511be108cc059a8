// SPDX-License-Identifier: MIT
#include "projections/TableRows.h"

#include <algorithm>
#include <array>
#include <cctype>

#include <fmt/format.h>

#include "projections/TableNames.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "text/TextChecks.h"
#include "text/Utf8Text.h"

namespace quorvane {

namespace {

// Cells sites write for "no figure".
bool isEmptyCell(std::string_view cell) {
    return cell.empty() || cell == "-" || cell == "--" || cell == "\xE2\x80\x94" || cell == "N/A" ||
           cell == "n/a" || cell == "NA";
}

// A season's range of a field; counting statistics, ADP and AAV share the widest.
FieldRange rangeOf(TableField field) {
    switch (field) {
        case TableField::Games:
            return kGamesRange;
        case TableField::Minutes:
            return kMinutesRange;
        default:
            return kCountingRange;
    }
}

// A cell's text as a message shows it: short, and with no character that could upset a
// terminal.
std::string shownCell(std::string_view cell) {
    std::string shown = leadingCharacters(cell, 40);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';
        }
    }
    return shown.size() < cell.size() ? shown + "..." : shown;
}

// What a row's views show while it is read and before the rows keep a copy: texts made of its
// cells rather than its cells themselves. Kept from row to row, so that their room is reused.
struct RowTexts {
    std::string written;
    std::string name;
    std::string firstname;
    std::string lastname;
    std::string team;
    std::optional<PositionCell> position;

    void show(TableRow& row, std::optional<PositionCell> cell) {
        position = std::move(cell);
        row.position = position ? &*position : nullptr;
    }
};

// Every figure of a row, in the order the rows keep them.
template <typename Row, typename Visit>
void forEachFigure(Row& row, Visit visit) {
    for (auto* figure : {&row.games, &row.minutes, &row.points}) {
        visit(*figure);
    }
    for (auto* shots : {&row.fieldGoals, &row.freeThrows, &row.threes}) {
        visit(shots->made);
        visit(shots->attempted);
        visit(shots->fraction);
    }
    for (auto* figure : {&row.offensiveRebounds, &row.defensiveRebounds, &row.rebounds,
                         &row.assists, &row.steals, &row.blocks, &row.turnovers, &row.doubleDoubles,
                         &row.tripleDoubles, &row.adp, &row.aav}) {
        visit(*figure);
    }
}

class RowReader {
  public:
    RowReader(const DelimitedTable& table, const TableLayout& layout, const TableRecord& record,
              RowTexts& texts)
        : m_table(table), m_layout(layout), m_record(record), m_texts(texts) {}

    std::optional<TableCellFault> read(TableRow& row) {
        row.lineNumber = m_record.lineNumber;
        for (std::size_t c = 0; c < m_layout.columns.size() && c < m_record.cells.size(); ++c) {
            const std::string_view cell = m_record.cells[c];
            if (!isEmptyCell(cell) && !readCell(m_layout.columns[c].field, cell, c, row)) {
                return fault(c, m_problem);
            }
        }
        if (auto shotFault = madeOverAttempted(row)) {
            return shotFault;
        }
        // Per-game figures become season totals: each must still be one a season can hold.
        if (m_layout.perGame && row.games) {
            for (const auto& [column, value] : m_figures) {
                const FieldRange range = rangeOf(m_layout.columns[column].field);
                if (value * *row.games > range.high) {
                    return fault(column, fmt::format("is outside {} to {} once multiplied by {} "
                                                     "games",
                                                     numberText(range.low), numberText(range.high),
                                                     numberText(*row.games)));
                }
            }
        }
        return std::nullopt;
    }

  private:
    struct ShotFields {
        TableField made;
        TableField attempted;
        ShotFigures TableRow::*figures;
    };
    static constexpr std::array<ShotFields, 3> kShotFields = {{
        {TableField::FieldGoalsMade, TableField::FieldGoalsAttempted, &TableRow::fieldGoals},
        {TableField::FreeThrowsMade, TableField::FreeThrowsAttempted, &TableRow::freeThrows},
        {TableField::ThreesMade, TableField::ThreesAttempted, &TableRow::threes},
    }};

    std::optional<std::size_t> columnOf(TableField field) const {
        for (std::size_t c = 0; c < m_layout.columns.size() && c < m_record.cells.size(); ++c) {
            if (m_layout.columns[c].field == field && !isEmptyCell(m_record.cells[c])) {
                return c;
            }
        }
        return std::nullopt;
    }

    // No player makes more shots than he takes: such a row is a shifted column or a broken file.
    std::optional<TableCellFault> madeOverAttempted(const TableRow& row) const {
        for (const ShotFields& kind : kShotFields) {
            const ShotFigures& shots = row.*kind.figures;
            if (!shots.made || !shots.attempted || *shots.made <= *shots.attempted) {
                continue;
            }
            // A percentage cell's own made and attempted figures were checked as it was read.
            const auto made = columnOf(kind.made);
            const auto attempted = columnOf(kind.attempted);
            if (made && attempted) {
                return fault(*made, fmt::format("is more than the {} of column {} ({})",
                                                numberText(*shots.attempted), *attempted + 1,
                                                shownCell(m_layout.columns[*attempted].heading)));
            }
        }
        return std::nullopt;
    }

    TableCellFault fault(std::size_t column, std::string problem) const {
        return TableCellFault{m_record.lineNumber, column + 1,
                              shownCell(m_layout.columns[column].heading),
                              shownCell(m_record.cells[column]), std::move(problem)};
    }

    bool number(std::string_view cell, std::size_t column, TableFigure& into) {
        const TableField field = m_layout.columns[column].field;
        const FieldRange range = rangeOf(field);
        const NumberReading reading = readCheckedNumber(cell, m_table.numbers, range);
        if (!reading.ok()) {
            m_problem = numberProblemText(reading, range);
            return false;
        }
        into = reading.value;
        if (field != TableField::Games && field != TableField::Adp && field != TableField::Aav) {
            m_figures.emplace_back(column, reading.value);
        }
        return true;
    }

    bool percentage(std::string_view cell, ShotFigures& shots) {
        const auto value = readPercentageCell(cell, m_table.numbers);
        if (!value) {
            m_problem = "is not a percentage";
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

    bool readCell(TableField field, std::string_view cell, std::size_t column, TableRow& row) {
        switch (field) {
            case TableField::Ignore:
                return true;
            case TableField::Name:
                row.written = cell;
                return true;
            case TableField::FirstName:
                row.firstname = cell;
                return true;
            case TableField::LastName:
                row.lastname = cell;
                return true;
            case TableField::Team:
                m_texts.team = upperText(cell);
                row.team = m_texts.team;
                return true;
            case TableField::Position:
                m_problem = "is not a position";
                m_texts.show(row, readPositionCell(cell));
                return row.position != nullptr;
            case TableField::Games:
                return number(cell, column, row.games);
            case TableField::Minutes:
                return number(cell, column, row.minutes);
            case TableField::Points:
                return number(cell, column, row.points);
            case TableField::FieldGoalsMade:
                return number(cell, column, row.fieldGoals.made);
            case TableField::FieldGoalsAttempted:
                return number(cell, column, row.fieldGoals.attempted);
            case TableField::FieldGoalPercentage:
                return percentage(cell, row.fieldGoals);
            case TableField::FreeThrowsMade:
                return number(cell, column, row.freeThrows.made);
            case TableField::FreeThrowsAttempted:
                return number(cell, column, row.freeThrows.attempted);
            case TableField::FreeThrowPercentage:
                return percentage(cell, row.freeThrows);
            case TableField::ThreesMade:
                return number(cell, column, row.threes.made);
            case TableField::ThreesAttempted:
                return number(cell, column, row.threes.attempted);
            case TableField::ThreePercentage:
                return percentage(cell, row.threes);
            case TableField::OffensiveRebounds:
                return number(cell, column, row.offensiveRebounds);
            case TableField::DefensiveRebounds:
                return number(cell, column, row.defensiveRebounds);
            case TableField::Rebounds:
                return number(cell, column, row.rebounds);
            case TableField::Assists:
                return number(cell, column, row.assists);
            case TableField::Steals:
                return number(cell, column, row.steals);
            case TableField::Blocks:
                return number(cell, column, row.blocks);
            case TableField::Turnovers:
                return number(cell, column, row.turnovers);
            case TableField::DoubleDoubles:
                return number(cell, column, row.doubleDoubles);
            case TableField::TripleDoubles:
                return number(cell, column, row.tripleDoubles);
            case TableField::Adp:
                return number(cell, column, row.adp);
            case TableField::Aav:
                return number(cell, column, row.aav);
        }
        return true;
    }

    const DelimitedTable& m_table;
    const TableLayout& m_layout;
    const TableRecord& m_record;
    RowTexts& m_texts;
    std::string m_problem;
    std::vector<std::pair<std::size_t, double>> m_figures;  // column, per-game or total figure
};

// A heading line repeated inside the table, as reference sites do every twenty rows.
bool repeatsHeadings(const TableRecord& record, const TableLayout& layout) {
    for (std::size_t c = 0; c < layout.columns.size() && c < record.cells.size(); ++c) {
        const TableField field = layout.columns[c].field;
        if ((field == TableField::Name || field == TableField::LastName) &&
            equalsIgnoringCase(record.cells[c], layout.columns[c].heading)) {
            return true;
        }
    }
    return false;
}

// Why the record's cells do not line up with the heading, or nullopt when they do. Empty cells
// past the heading are a spreadsheet's trailing separators; in workbooks and pasted tables a
// row may leave its empty last cells out.
std::optional<std::string> cellCountProblem(const DelimitedTable& table, const TableRecord& record,
                                            std::size_t headings) {
    const std::size_t cells = record.cells.size();
    const bool extraEmpty =
        std::all_of(record.cells.begin() + static_cast<std::ptrdiff_t>(std::min(cells, headings)),
                    record.cells.end(), [](std::string_view cell) { return cell.empty(); });
    if ((cells < headings && !table.shortRowsAllowed) || (cells > headings && !extraEmpty)) {
        return fmt::format("has {} cells where the heading has {}", cells, headings);
    }
    return std::nullopt;
}

// The row's name from its name cell, or its first and last name cells; the name cell's
// annotation gives a team and position the row's own cells do not.
void takeName(TableRow& row, RowTexts& texts) {
    if (row.written.empty()) {
        texts.firstname = readNameCell(row.firstname).name;
        texts.lastname = readNameCell(row.lastname).name;
        texts.written = trim(texts.firstname + " " + texts.lastname);
        row.firstname = texts.firstname;
        row.lastname = texts.lastname;
        row.written = texts.written;
        row.name = texts.written;
        return;
    }
    NameCell cell = readNameCell(row.written);
    texts.name = std::move(cell.name);
    row.name = texts.name;
    if (row.team.empty()) {
        texts.team = std::move(cell.team);
        row.team = texts.team;
    }
    if (!row.position) {
        texts.show(row, std::move(cell.position));
    }
}

// Bytes the file's code page could not read were replaced by U+FFFD when the file was read.
bool holdsUnreadableBytes(const TableRecord& record) {
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    return std::any_of(record.cells.begin(), record.cells.end(), [&](std::string_view cell) {
        return cell.find(kReplacement) != std::string_view::npos;
    });
}

}  // namespace

std::variant<TableRows, TableCellFault> readTableRows(const DelimitedTable& table,
                                                      const TableLayout& layout) {
    TableRows result;
    result.reserve(table.records.size());
    RowTexts texts;
    for (std::size_t r = 1; r < table.records.size(); ++r) {
        const TableRecord& record = table.records[r];
        if (repeatsHeadings(record, layout)) {
            ++result.repeatedHeadings;
            continue;
        }
        if (auto problem = cellCountProblem(table, record, layout.columns.size())) {
            result.refused.push_back({record.lineNumber, std::move(*problem)});
            continue;
        }
        if (holdsUnreadableBytes(record)) {
            result.refused.push_back(
                {record.lineNumber, "holds bytes that are not text in the file's code page"});
            continue;
        }
        TableRow row;
        if (auto fault = RowReader(table, layout, record, texts).read(row)) {
            return *fault;
        }
        takeName(row, texts);
        if (row.name.empty()) {
            ++result.nameless;
            continue;
        }
        if (isAggregateName(row.name)) {
            ++result.aggregates;
            continue;
        }
        if (auto problem = nameProblem(row.name)) {
            result.refused.push_back({record.lineNumber, "the name " + *problem});
            continue;
        }
        if (auto problem = textProblem(row.team, kMaxTeamCodeCharacters)) {
            result.refused.push_back({record.lineNumber, "the team " + *problem});
            continue;
        }
        result.add(row);
    }
    return result;
}

void TableRows::Figures::push(double figure) {
    if (m_size % kBlock == 0) {
        m_blocks.push_back(std::make_unique_for_overwrite<double[]>(kBlock));
    }
    m_blocks.back()[m_size % kBlock] = figure;
    ++m_size;
}

std::uint32_t TableRows::positionIndex(const PositionCell& position) {
    const auto [entry, added] =
        m_positionIndex.try_emplace(PositionKey{position.flags, position.pos, position.first},
                                    static_cast<std::uint32_t>(m_positions.size() + 1));
    if (added) {
        m_positions.push_back(position);
    }
    return entry->second;
}

void TableRows::add(const TableRow& row) {
    PackedRow packed;
    packed.lineNumber = row.lineNumber;
    packed.nameIsWritten = row.name == row.written;
    const std::array<std::string_view, kTexts> texts = {
        row.written, packed.nameIsWritten ? std::string_view() : row.name, row.firstname,
        row.lastname, row.team};
    m_joined.clear();
    for (std::size_t t = 0; t < kTexts; ++t) {
        packed.lengths[t] = texts[t].size();
        m_joined += texts[t];
    }
    packed.texts = m_texts.keep(m_joined).data();
    packed.firstFigure = m_figures.size();
    std::uint32_t bit = 1;
    forEachFigure(row, [&](const TableFigure& figure) {
        if (figure) {
            packed.given |= bit;
            m_figures.push(*figure);
        }
        bit <<= 1;
    });
    packed.position = row.position ? positionIndex(*row.position) : 0;
    m_rows.push_back(packed);
}

TableRow TableRows::operator[](std::size_t index) const {
    const PackedRow& packed = m_rows[index];
    TableRow row;
    row.lineNumber = packed.lineNumber;
    std::array<std::string_view, kTexts> texts;
    const char* at = packed.texts;
    for (std::size_t t = 0; t < kTexts; ++t) {
        texts[t] = {at, packed.lengths[t]};
        at += packed.lengths[t];
    }
    row.written = texts[kWritten];
    row.name = packed.nameIsWritten ? texts[kWritten] : texts[kName];
    row.firstname = texts[kFirstname];
    row.lastname = texts[kLastname];
    row.team = texts[kTeam];
    row.position = packed.position != 0 ? &m_positions[packed.position - 1] : nullptr;
    std::size_t figure = packed.firstFigure;
    std::uint32_t bit = 1;
    forEachFigure(row, [&](TableFigure& value) {
        if ((packed.given & bit) != 0) {
            value = m_figures[figure++];
        }
        bit <<= 1;
    });
    return row;
}

std::string_view TableRows::team(std::size_t index) const {
    const PackedRow& packed = m_rows[index];
    std::size_t before = 0;
    for (std::size_t t = 0; t < kTeam; ++t) {
        before += packed.lengths[t];
    }
    return {packed.texts + before, packed.lengths[kTeam]};
}

}  // namespace quorvane
