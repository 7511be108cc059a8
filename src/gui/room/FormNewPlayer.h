// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class MainWindowView;

// "Add New Player": creates a player the projections lack and, when a team is chosen, hands
// him straight to the add-player window for that team.
class FormNewPlayer final : public QDialog {
    Q_OBJECT
  public:
    FormNewPlayer(ProgramState& state, UserDialogs& dialogs, MainWindowView& view,
                  QWidget* parent = nullptr);

  private:
    void addNewPlayer();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    MainWindowView& m_view;

    QLineEdit* txt_firstname = nullptr;
    QLineEdit* txt_lastname = nullptr;
    QComboBox* cmb_team = nullptr;
    QComboBox* cmb_pos = nullptr;
    QComboBox* cmb_teamlist = nullptr;
    QPushButton* cmd_add = nullptr;
    QPushButton* cmd_cancel = nullptr;
};

}  // namespace quorvane::gui
