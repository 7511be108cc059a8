// SPDX-License-Identifier: MIT
#include "gui/models/GridTableModel.h"

#include <algorithm>
#include <optional>

#include <QBrush>
#include <QColor>

namespace quorvane::gui {

GridTableModel::GridTableModel(QObject* parent) : QAbstractTableModel(parent) {}

namespace {

// Decimals of a number as a grid shows it ("$1,234.50", "-3", ".456"), nullopt for other text.
std::optional<int> numberDecimals(const std::string& text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '$')) {
        ++at;
    }
    if (at < text.size() && text[at] == '$') {
        ++at;
    }
    bool digits = false;
    std::optional<int> decimals;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            digits = true;
            if (decimals) {
                ++*decimals;
            }
        } else if (c == '.' && !decimals) {
            decimals = 0;
        } else if (c != ',' || decimals) {
            return std::nullopt;
        }
    }
    return digits ? std::optional<int>(decimals.value_or(0)) : std::nullopt;
}

QString padded(const std::string& text, int decimals) {
    QString shown = QString::fromStdString(text);
    if (decimals <= 0 || shown.isEmpty()) {
        return shown;
    }
    const qsizetype point = shown.indexOf(QLatin1Char('.'));
    const int has = point < 0 ? 0 : static_cast<int>(shown.size() - point - 1);
    if (point < 0) {
        shown += QLatin1Char('.');
    }
    return shown + QString(decimals - has, QLatin1Char('0'));
}

}  // namespace

void GridTableModel::setTable(GridTable table) {
    // The same columns with new rows: the view keeps its column order, widths and scroll place,
    // and redraws only what changed in sight.
    if (table.headings != m_table.headings || m_table.headings.empty()) {
        beginResetModel();
        m_table = std::move(table);
        measureColumns();
        endResetModel();
        return;
    }
    const int before = rowCount();
    const auto after = static_cast<int>(table.rows.size());
    if (after < before) {
        beginRemoveRows(QModelIndex(), after, before - 1);
        m_table = std::move(table);
        endRemoveRows();
    } else if (after > before) {
        beginInsertRows(QModelIndex(), before, after - 1);
        m_table = std::move(table);
        endInsertRows();
    } else {
        m_table = std::move(table);
    }
    measureColumns();
    if (after > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(after - 1, columnCount() - 1));
    }
    // Rows that changed place change their headings too.
    if (after > 0 && m_rowHeadingColumn >= 0) {
        emit headerDataChanged(Qt::Vertical, 0, after - 1);
    }
}

void GridTableModel::removeRowsWhere(
    const std::function<bool(const std::vector<std::string>&)>& gone) {
    for (int row = rowCount() - 1; row >= 0; --row) {
        const auto at = static_cast<std::size_t>(row);
        if (!gone(m_table.rows[at])) {
            continue;
        }
        beginRemoveRows(QModelIndex(), row, row);
        m_table.rows.erase(m_table.rows.begin() + row);
        if (at < m_table.rowColours.size()) {
            m_table.rowColours.erase(m_table.rowColours.begin() + row);
        }
        if (at < m_table.cellColours.size()) {
            m_table.cellColours.erase(m_table.cellColours.begin() + row);
        }
        endRemoveRows();
    }
}

void GridTableModel::measureColumns() {
    m_decimals.assign(m_table.headings.size(), -1);
    for (std::size_t column = 0; column < m_decimals.size(); ++column) {
        int most = 0;
        bool numbers = false;
        bool text = false;
        for (const auto& cells : m_table.rows) {
            if (column >= cells.size() || cells[column].empty()) {
                continue;
            }
            if (const std::optional<int> decimals = numberDecimals(cells[column])) {
                numbers = true;
                most = std::max(most, *decimals);
            } else {
                text = true;
                break;
            }
        }
        if (numbers && !text) {
            m_decimals[column] = most;
        }
    }
}

int GridTableModel::columnDecimals(int column) const {
    return column >= 0 && column < static_cast<int>(m_decimals.size())
               ? m_decimals[static_cast<std::size_t>(column)]
               : -1;
}

const std::vector<std::string>* GridTableModel::rowAt(int row) const {
    if (row < 0 || row >= static_cast<int>(m_table.rows.size())) {
        return nullptr;
    }
    return &m_table.rows[static_cast<std::size_t>(row)];
}

void GridTableModel::setCellText(int row, int column, const std::string& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return;
    }
    auto& cells = m_table.rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size()) {
        cells.resize(static_cast<std::size_t>(column) + 1);
    }
    cells[static_cast<std::size_t>(column)] = text;
    measureColumns();
    emit dataChanged(index(row, column), index(row, column));
}

void GridTableModel::setRowColour(int row, std::optional<Rgb> colour) {
    if (row < 0 || row >= rowCount()) {
        return;
    }
    m_table.rowColours.resize(m_table.rows.size());
    m_table.rowColours[static_cast<std::size_t>(row)] = colour;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::BackgroundRole});
}

void GridTableModel::setEditableColumns(std::vector<int> columns) {
    m_editableColumns = std::move(columns);
}

void GridTableModel::setRowHeadingColumn(int column) {
    m_rowHeadingColumn = column;
    if (rowCount() > 0) {
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
}

std::optional<Rgb> GridTableModel::backgroundOf(std::size_t row, std::size_t column) const {
    if (row < m_table.cellColours.size() && column < m_table.cellColours[row].size() &&
        m_table.cellColours[row][column]) {
        return m_table.cellColours[row][column];
    }
    return row < m_table.rowColours.size() ? m_table.rowColours[row] : std::nullopt;
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.headings.size());
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const auto& cells = m_table.rows[row];
        if (column >= cells.size()) {
            return QString();
        }
        return role == Qt::DisplayRole ? padded(cells[column], columnDecimals(index.column()))
                                       : QString::fromStdString(cells[column]);
    }
    if (role == Qt::TextAlignmentRole && columnDecimals(index.column()) >= 0) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role == Qt::BackgroundRole || role == Qt::ForegroundRole) {
        const std::optional<Rgb> colour = backgroundOf(row, column);
        if (!colour) {
            return {};
        }
        // Dark text on the light colours whatever the desktop's theme.
        return role == Qt::ForegroundRole
                   ? QBrush(Qt::black)
                   : QBrush(QColor(colour->red, colour->green, colour->blue));
    }
    return {};
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool rowHeading = orientation == Qt::Vertical && m_rowHeadingColumn >= 0;
    if (rowHeading && role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal && section >= 0 &&
        static_cast<std::size_t>(section) < m_table.headingNotes.size() &&
        !m_table.headingNotes[static_cast<std::size_t>(section)].empty()) {
        return QString::fromStdString(m_table.headingNotes[static_cast<std::size_t>(section)]);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (rowHeading) {
        const std::vector<std::string>* cells = rowAt(section);
        const auto column = static_cast<std::size_t>(m_rowHeadingColumn);
        return cells != nullptr && column < cells->size() ? QString::fromStdString((*cells)[column])
                                                          : QString();
    }
    if (orientation == Qt::Horizontal) {
        return section >= 0 && section < columnCount()
                   ? QString::fromStdString(m_table.headings[static_cast<std::size_t>(section)])
                   : QVariant();
    }
    return section + 1;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags itemFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (std::find(m_editableColumns.begin(), m_editableColumns.end(), index.column()) !=
        m_editableColumns.end()) {
        itemFlags |= Qt::ItemIsEditable;
    }
    return itemFlags;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    setCellText(index.row(), index.column(), value.toString().toStdString());
    emit cellEdited(index.row(), index.column(), value.toString());
    return true;
}

}  // namespace quorvane::gui
