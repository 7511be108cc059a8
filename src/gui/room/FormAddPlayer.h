// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
struct RosterGrid;
}  // namespace quorvane

namespace quorvane::gui {

class MainWindowView;
class RoomGridView;
class TeamChoiceBox;

// "Add Player": records one player as a pick of a team, in a slot and (in an auction) for a
// price. Opens with the team on the clock (or the team a new custom player is handed to) and
// the slot that suits the player, and shows the chosen team's roster.
class FormAddPlayer final : public QDialog {
    Q_OBJECT
  public:
    FormAddPlayer(ProgramState& state, UserDialogs& dialogs, MainWindowView& view, int playerId,
                  QWidget* parent = nullptr);
    FormAddPlayer(ProgramState& state, UserDialogs& dialogs, MainWindowView& view, int playerId,
                  std::optional<int> preselectTeamId, QWidget* parent = nullptr);

    // The teamid whose roster dg_roster shows.
    int rosterTeamId() const { return m_rosterTeamId; }

  private:
    void buildControls();
    void showTeamRoster(int teamid);
    void teamChosen();
    void rosterDoubleClicked(const QModelIndex& index);
    void addPlayer();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    MainWindowView& m_view;
    const int m_playerId;
    int m_rosterTeamId = 0;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lbl_player = nullptr;
    TeamChoiceBox* cmb_team = nullptr;
    QComboBox* cmb_pos = nullptr;
    QLineEdit* txt_dollars = nullptr;
    QGroupBox* frm_roster = nullptr;
    RoomGridView* dg_roster = nullptr;
    QPushButton* cmd_addplayer = nullptr;
    QPushButton* cmd_cancel = nullptr;
};

}  // namespace quorvane::gui
