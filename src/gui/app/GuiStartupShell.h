// SPDX-License-Identifier: MIT
#pragma once

#include "app/Startup.h"

namespace quorvane {
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class FormMain;

// The windows of start-up: the main window, then the draft choice.
class GuiStartupShell final : public StartupShell {
  public:
    GuiStartupShell(FormMain& main, ProgramState& state, UserDialogs& dialogs);

    void showMainWindow() override;
    bool runUpdateCheck() override;
    void chooseDraft(bool draftsExist) override;
    void fillSearchList() override;
    void prepareDraftRoom() override;

  private:
    FormMain& m_main;
    ProgramState& m_state;
    UserDialogs& m_dialogs;
};

}  // namespace quorvane::gui
