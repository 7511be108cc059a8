// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <array>

class QButtonGroup;
class QLabel;
class QModelIndex;
class QPushButton;
class QTableView;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class GridTableModel;

// The projection season's players by position; a double-click opens a player's editor.
class FormEditProjections final : public QDialog {
    Q_OBJECT
  public:
    FormEditProjections(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Refills the grid for the chosen position button.
    void getPlayers();
    // The position button pressed: 0 all players, then guards, forwards and centres.
    int editPosIndex() const { return m_editPosIndex; }

  signals:
    // A projection was edited: values and ranks of the draft room are out of date.
    void refreshRequested();

  protected:
    // Enter on a player opens his editor.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void cButtons(int index);
    void editPlayer(const QModelIndex& index);
    void clearAllEdits();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    GridTableModel* m_model = nullptr;
    QButtonGroup* m_positionButtons = nullptr;
    int m_editPosIndex = 0;

    std::array<QPushButton*, 4> cmd_edit{};
    QTableView* grid_editproj = nullptr;
    QPushButton* cmd_clear_edits = nullptr;
    QPushButton* cmd_close = nullptr;
    QLabel* Label1 = nullptr;
};

}  // namespace quorvane::gui
