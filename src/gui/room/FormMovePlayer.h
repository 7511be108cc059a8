// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "room/MovePlayer.h"
#include "session/MoveConversation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class MainWindowView;

// "Change Position/Team": gives a drafted player (or keeper) another team, slot or price, or
// drops him from his team. Opened from a roster grid for the player double-clicked there.
class FormMovePlayer final : public QDialog {
    Q_OBJECT
  public:
    FormMovePlayer(ProgramState& state, UserDialogs& dialogs, MainWindowView& view, int playerId,
                   QWidget* parent = nullptr);

  private:
    void change();
    void drop();
    void showRebuiltRoom(const MoveResult& result);

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    MainWindowView& m_view;
    const int m_playerId;

    QLabel* lbl_plName = nullptr;
    QComboBox* cmb_teams = nullptr;
    QComboBox* cmb_position = nullptr;
    QLabel* lbl_dollars = nullptr;
    QLineEdit* txt_dollars = nullptr;
    QPushButton* cmd_change = nullptr;
    QPushButton* cmd_drop = nullptr;
    QPushButton* cmd_cancel = nullptr;
};

}  // namespace quorvane::gui
