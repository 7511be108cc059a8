// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

// Tells the user that new projections were loaded.
class FormProjDone final : public QDialog {
    Q_OBJECT
  public:
    FormProjDone(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

  private:
    QPushButton* cmd_ok = nullptr;
};

}  // namespace quorvane::gui
