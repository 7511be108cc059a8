// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "session/Startup.h"

namespace quorvane {
struct ProgramState;
class ProgramLauncher;
class UrlTransfer;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class FormMain;

// The windows of start-up: the main window, the update check, then the draft choice.
class GuiStartupShell final : public StartupShell {
  public:
    // Asks the service through the program's HTTPS client and starts the real updater.
    GuiStartupShell(FormMain& main, ProgramState& state, UserDialogs& dialogs);
    // Asks through `transfer` and starts `updater` with `launcher`; both must outlive the shell.
    GuiStartupShell(FormMain& main, ProgramState& state, UserDialogs& dialogs,
                    UrlTransfer& transfer, ProgramLauncher& launcher, std::string updater);
    ~GuiStartupShell() override;

    void showMainWindow() override;
    bool runUpdateCheck() override;
    void chooseDraft(bool draftsExist) override;
    void fillSearchList() override;
    void prepareDraftRoom() override;

  private:
    FormMain& m_main;
    ProgramState& m_state;
    UserDialogs& m_dialogs;
    std::unique_ptr<UrlTransfer> m_ownTransfer;
    std::unique_ptr<ProgramLauncher> m_ownLauncher;
    UrlTransfer* m_transfer;
    ProgramLauncher* m_launcher;
    std::string m_updater;
};

}  // namespace quorvane::gui
