// SPDX-License-Identifier: MIT
#include "gui/models/GridTableModel.h"

#include <algorithm>

#include <QBrush>
#include <QColor>

namespace quorvane::gui {

GridTableModel::GridTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridTableModel::setTable(GridTable table) {
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
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
        return column < cells.size() ? QString::fromStdString(cells[column]) : QString();
    }
    if (role == Qt::BackgroundRole && row < m_table.rowColours.size() && m_table.rowColours[row]) {
        const Rgb& c = *m_table.rowColours[row];
        return QBrush(QColor(c.red, c.green, c.blue));
    }
    if (role == Qt::ForegroundRole && row < m_table.rowColours.size() && m_table.rowColours[row]) {
        return QBrush(Qt::black);
    }
    return {};
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
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
