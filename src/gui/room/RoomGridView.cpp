// SPDX-License-Identifier: MIT
#include "gui/room/RoomGridView.h"

#include <QHeaderView>

#include <algorithm>

#include "gui/models/GridTableModel.h"
#include "gui/room/RosterRowHeaderModel.h"
#include "room/Rosters.h"
#include "text/NumberText.h"

namespace quorvane::gui {

RoomGridView::RoomGridView(QWidget* parent) : QTableView(parent) {
    m_model = new GridTableModel(this);
    m_headers = new RosterRowHeaderModel(this);
    m_headers->setSourceModel(m_model);
    setModel(m_headers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(false);
    horizontalHeader()->setStretchLastSection(true);
    // A roster of 13 slots fits without scrolling.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
}

void RoomGridView::showTable(GridTable table) {
    verticalHeader()->hide();
    applyTable(std::move(table), {});
}

void RoomGridView::showRoster(const RosterGrid& roster) {
    verticalHeader()->show();
    applyTable(roster.table, roster.rowHeaders);
}

void RoomGridView::applyTable(GridTable table, std::vector<std::string> rowHeaders) {
    const std::vector<int> hidden = table.hiddenColumns;
    m_headers->setRowHeaders(std::move(rowHeaders));
    m_model->setTable(std::move(table));
    for (int column = 0; column < m_model->columnCount(); ++column) {
        setColumnHidden(column, std::find(hidden.begin(), hidden.end(), column) != hidden.end());
    }
    resizeColumnsToContents();
}

const std::vector<std::string>* RoomGridView::rowAt(int row) const {
    return m_model->rowAt(row);
}

std::optional<int> RoomGridView::idAt(int row, int column) const {
    const std::vector<std::string>* cells = rowAt(row);
    if (cells == nullptr || column < 0 || static_cast<std::size_t>(column) >= cells->size()) {
        return std::nullopt;
    }
    return parseWholeNumber(trim((*cells)[static_cast<std::size_t>(column)]), 1, 2147483647);
}

}  // namespace quorvane::gui
