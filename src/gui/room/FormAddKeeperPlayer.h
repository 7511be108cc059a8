// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

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

// "Add Keeper": puts one available player on a team before the draft, in a slot and (in an
// auction) for a price. Opens with the team chosen in the keepers window.
class FormAddKeeperPlayer final : public QDialog {
    Q_OBJECT
  public:
    FormAddKeeperPlayer(ProgramState& state, UserDialogs& dialogs, MainWindowView& view,
                        int playerId, int teamId, QWidget* parent = nullptr);

    // The team the keeper was given to (valid once the dialog was accepted).
    int chosenTeamId() const;

  private:
    void addKeeperPlayer();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    const int m_playerId;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lbl_playerName = nullptr;
    QComboBox* cmb_team = nullptr;
    QComboBox* cmb_pos = nullptr;
    QLineEdit* txt_dollars = nullptr;
    QLabel* lbl_surplus = nullptr;  // his value and the surplus at the price typed
    QPushButton* cmd_add = nullptr;
    QPushButton* cmd_cancel = nullptr;
};

}  // namespace quorvane::gui
