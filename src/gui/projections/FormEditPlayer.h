// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <optional>

#include "projections/ProjectionEdits.h"

class QPushButton;
class QTableView;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class GridTableModel;

// Edits one player's projection-season figures in a one-row grid.
class FormEditPlayer final : public QDialog {
    Q_OBJECT
  public:
    FormEditPlayer(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Fills the grid with the player's figures; false after the failure was reported.
    bool loadPlayerProjection(int playerid);

  private:
    void saveProjectionEdit();
    void clearEdits();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    std::optional<PlayerProjection> m_player;
    GridTableModel* m_model = nullptr;

    QTableView* grid_projection = nullptr;
    QPushButton* cmd_update = nullptr;
    QPushButton* cmd_clear_edits = nullptr;
};

}  // namespace quorvane::gui
