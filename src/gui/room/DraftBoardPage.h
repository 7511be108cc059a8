// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "room/DraftBoard.h"

class QPushButton;
class QTableView;

namespace quorvane {
struct ProgramStore;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class BoardCellModel;
class GridTableModel;

// The "Draft Board" tab: the whole draft as core lays it out, the cell on the clock
// highlighted, the user's column tinted, keepers in italics and skipped turns in grey.
// "Presentation" enlarges it to be read from across a room; the board exports as PNG and CSV.
class DraftBoardPage final : public QWidget {
    Q_OBJECT
  public:
    DraftBoardPage(const ProgramStore& store, UserDialogs& dialogs, QWidget* parent = nullptr);

    void showBoard(const DraftBoard& board);
    const DraftBoard& board() const { return m_board; }

    void setPresentation(bool on);
    bool presentation() const { return m_presentation; }
    void togglePresentation() { setPresentation(!m_presentation); }

    // The whole board, not only what is scrolled into view. An existing file is replaced only
    // after the user said Yes; false after a refusal or failure was shown.
    bool exportPng(const QString& path);
    bool exportCsv(const QString& path);

  private:
    void chooseAndExport(bool png);
    void fitCells();

    // The files the exports must not replace are the program's own: its folder, database and log.
    const ProgramStore& m_store;
    UserDialogs& m_dialogs;
    DraftBoard m_board;
    bool m_presentation = false;
    GridTableModel* m_table;
    BoardCellModel* m_cells;
    QTableView* dg_board = nullptr;
    QPushButton* cmd_presentation = nullptr;
    QPushButton* cmd_board_png = nullptr;
    QPushButton* cmd_board_csv = nullptr;
};

}  // namespace quorvane::gui
