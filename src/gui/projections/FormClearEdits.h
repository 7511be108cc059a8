// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

// Asks before forgetting one player's projection edit.
class FormClearEdits final : public QDialog {
    Q_OBJECT
  public:
    FormClearEdits(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    void setPlayer(int playerid, const std::string& playername);

  private:
    void clearEdits();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    int m_playerid = 0;

    QLabel* lbl_message = nullptr;
    QPushButton* cmd_yes = nullptr;
    QPushButton* cmd_no = nullptr;
};

// Asks before forgetting every projection edit.
class FormClearAllEdits final : public QDialog {
    Q_OBJECT
  public:
    FormClearAllEdits(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

  private:
    void clearAllEdits();

    ProgramState& m_state;
    UserDialogs& m_dialogs;

    QLabel* lbl_message = nullptr;
    QPushButton* cmd_yes = nullptr;
    QPushButton* cmd_no = nullptr;
};

}  // namespace quorvane::gui
