// SPDX-License-Identifier: MIT
#include "gui/room/GridViews.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>
#include <charconv>

#include "gui/app/WindowMemory.h"
#include "gui/models/GridTableModel.h"
#include "vocabulary/GridTable.h"

namespace quorvane::gui {

namespace {
// Room a cell leaves around its text: the style's margins and the focus frame.
constexpr int kCellTextRoom = 12;
}  // namespace

QTableView* makeRoomGrid(const QString& objectName, GridTableModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(objectName);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSortingEnabled(false);
    view->setWordWrap(false);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setHighlightSections(false);
    // Fitting columns reads a sample of rows; the whole player list would slow every refresh.
    view->horizontalHeader()->setResizeContentsPrecision(60);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

void showGridTable(QTableView* view, GridTableModel* model, GridTable table) {
    const std::vector<int> hidden = table.hiddenColumns;
    // Widths are fitted when the columns change, not on every refresh, so that the grid does not
    // jump under the user's eyes and widths he set stay.
    const bool sameColumns = model->columnCount() > 0 &&
                             model->table().headings == table.headings &&
                             model->table().hiddenColumns == hidden;
    std::vector<int> widths;
    if (sameColumns) {
        for (int column = 0; column < model->columnCount(); ++column) {
            widths.push_back(view->columnWidth(column));
        }
    }
    model->setTable(std::move(table));
    view->setProperty(kFittingColumns, true);
    for (int column = 0; column < model->columnCount(); ++column) {
        const bool hide = std::find(hidden.begin(), hidden.end(), column) != hidden.end();
        view->setColumnHidden(column, hide);
        if (hide) {
            continue;
        }
        if (sameColumns) {
            view->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
        } else {
            view->resizeColumnToContents(column);
        }
    }
    view->setProperty(kFittingColumns, false);
    if (!sameColumns) {
        applyRememberedWidths(*view);
    }
    rememberColumnWidths(*view);
}

namespace {

void growColumn(QTableView* view, int column) {
    // The view's own measure is public through its base class only.
    const QAbstractItemView* items = view;
    const int wanted = std::max(items->sizeHintForColumn(column),
                                view->horizontalHeader()->sectionSizeHint(column));
    if (wanted > view->columnWidth(column)) {
        view->setColumnWidth(column, wanted);
    }
}

}  // namespace

void growColumnsToContents(QTableView* view) {
    view->setProperty(kFittingColumns, true);
    for (int column = 0; column < view->horizontalHeader()->count(); ++column) {
        if (!view->isColumnHidden(column)) {
            growColumn(view, column);
        }
    }
    view->setProperty(kFittingColumns, false);
}

void growNumberColumnsToWidest(QTableView* view, const GridTableModel& model) {
    view->setProperty(kFittingColumns, true);
    for (int column = 0; column < model.columnCount(); ++column) {
        if (view->isColumnHidden(column) || model.columnDecimals(column) < 0) {
            continue;
        }
        // Figures share one width per digit: the most characters make the widest cell.
        QString widest;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QString text = model.data(model.index(row, column)).toString();
            if (text.size() > widest.size()) {
                widest = text;
            }
        }
        const int wanted = view->fontMetrics().horizontalAdvance(widest) + kCellTextRoom;
        if (wanted > view->columnWidth(column)) {
            view->setColumnWidth(column, wanted);
        }
    }
    view->setProperty(kFittingColumns, false);
}

void growColumnToContents(QTableView* view, int column) {
    if (column < 0 || column >= view->horizontalHeader()->count() || view->isColumnHidden(column)) {
        return;
    }
    view->setProperty(kFittingColumns, true);
    growColumn(view, column);
    view->setProperty(kFittingColumns, false);
}

void highlightButton(const std::vector<QAbstractButton*>& group, int pressed) {
    for (std::size_t index = 0; index < group.size(); ++index) {
        QAbstractButton* button = group[index];
        button->setCheckable(true);
        button->setChecked(static_cast<int>(index) == pressed);
    }
}

int playerIdOfRow(const GridTableModel& model, int row) {
    const std::vector<std::string>* cells = model.rowAt(row);
    if (cells == nullptr || cells->empty()) {
        return 0;
    }
    const std::string& text = cells->front();
    int id = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    return error == std::errc() && end == text.data() + text.size() ? id : 0;
}

PlayerRowKey playerRowKey(const QKeyEvent& key) {
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (enter && key.modifiers().testFlag(Qt::ControlModifier)) {
        return PlayerRowKey::Pick;
    }
    if (key.modifiers() == Qt::NoModifier && (enter || key.key() == Qt::Key_Space)) {
        return PlayerRowKey::Page;
    }
    return PlayerRowKey::None;
}

}  // namespace quorvane::gui
