// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class MainWindowView;

// Lists the stored drafts, oldest first, and opens the chosen one. When the list cannot be
// read the window is not shown at all (exec returns Rejected).
class FormOpenDraft final : public QDialog {
    Q_OBJECT
  public:
    FormOpenDraft(ProgramState& state, UserDialogs& dialogs, MainWindowView& main,
                  QWidget* parent = nullptr);

    int exec() override;

  private:
    bool fillList();
    void openSelected();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    MainWindowView& m_main;
    QComboBox* m_drafts = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_listed = false;
};

}  // namespace quorvane::gui
