// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <vector>

class QComboBox;
class QPushButton;

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class MainWindowView;

// Lists the stored drafts, oldest first (practice drafts marked), and opens the chosen one or
// deletes a chosen practice draft. When the list cannot be read the window is not shown at all
// (exec returns Rejected).
class FormOpenDraft final : public QDialog {
    Q_OBJECT
  public:
    FormOpenDraft(ProgramState& state, UserDialogs& dialogs, MainWindowView& main,
                  QWidget* parent = nullptr);

    int exec() override;

  private:
    bool fillList();
    void openSelected();
    void deleteSelected();
    void showChoice();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    MainWindowView& m_main;
    QComboBox* m_drafts = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_delete = nullptr;
    std::vector<int> m_practices;  // ids of the practice drafts listed
    bool m_listed = false;
};

}  // namespace quorvane::gui
