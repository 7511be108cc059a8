// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class MainWindowView;
class RoomGridView;
class TeamChoiceBox;

// "Add Keepers": the available players and one team's keepers. Double-clicking a player (or
// Enter on him) makes him a keeper, double-clicking a keeper (or Enter or Delete on him)
// removes him after a question.
class FormAddKeepers final : public QDialog {
    Q_OBJECT
  public:
    FormAddKeepers(ProgramState& state, UserDialogs& dialogs, MainWindowView& view,
                   QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool fillFreeAgents();
    bool fillKeepers();
    void closeAfterFailure();
    void freeAgentDoubleClicked(const QModelIndex& index);
    void keeperDoubleClicked(const QModelIndex& index);
    void finished();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    MainWindowView& m_view;

    QLabel* Label1 = nullptr;
    TeamChoiceBox* cmb_team = nullptr;
    QGroupBox* frm_freeagents = nullptr;
    RoomGridView* dg_freeagents = nullptr;
    QGroupBox* frm_keepers = nullptr;
    RoomGridView* dg_keepers = nullptr;
    QPushButton* cmd_finished = nullptr;
};

}  // namespace quorvane::gui
