// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

class QAbstractButton;
class QKeyEvent;
class QTableView;
class QWidget;

namespace quorvane {
struct GridTable;
}

namespace quorvane::gui {

class GridTableModel;

// A read-only grid view over `model` with the draft room's look: whole rows selected, no
// sorting of its own (headings ask core for a new order), compact rows.
QTableView* makeRoomGrid(const QString& objectName, GridTableModel* model, QWidget* parent);

// Shows a new table: hides the columns the table asks to hide and fits the others to their
// contents; the last column takes what is left.
void showGridTable(QTableView* view, GridTableModel* model, GridTable table);

// Widens every shown column that is now narrower than its contents or heading, so that new
// figures are never cut; no column narrows (widths the user gave stay).
void growColumnsToContents(QTableView* view);
// Widens every shown column of figures to its widest figure in any row, in sight or not, so that
// a list sorted or scrolled another way never cuts one in the middle.
void growNumberColumnsToWidest(QTableView* view, const GridTableModel& model);
// The same for one column.
void growColumnToContents(QTableView* view, int column);

// The pressed button of a group stands out, the others look like plain buttons.
void highlightButton(const std::vector<QAbstractButton*>& group, int pressed);

// The playerid in column 0 of a row, 0 when the row has none.
int playerIdOfRow(const GridTableModel& model, int row);

// What a key on a player's row of a list asks for: Ctrl+Enter the pick window, Enter or Space
// alone his page.
enum class PlayerRowKey { None, Pick, Page };
PlayerRowKey playerRowKey(const QKeyEvent& key);

}  // namespace quorvane::gui
