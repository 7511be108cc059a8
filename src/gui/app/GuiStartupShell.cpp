// SPDX-License-Identifier: MIT
#include "gui/app/GuiStartupShell.h"

#include <utility>

#include "gui/app/FormMain.h"
#include "gui/draftconfig/FormNewDraft.h"
#include "gui/draftconfig/FormOpenDraft.h"
#include "gui/widgets/BusyTransfer.h"
#include "gui/widgets/WebPane.h"
#include "platform/CurlTransfer.h"
#include "session/ProgramState.h"
#include "session/UpdateAtStartup.h"

namespace quorvane::gui {

GuiStartupShell::GuiStartupShell(FormMain& main, ProgramState& state, UserDialogs& dialogs)
    : m_main(main),
      m_state(state),
      m_dialogs(dialogs),
      m_ownTransfer(std::make_unique<CurlTransfer>()),
      m_ownLauncher(std::make_unique<SpawnLauncher>()),
      m_transfer(m_ownTransfer.get()),
      m_launcher(m_ownLauncher.get()),
      m_updater(updaterPath()) {}

GuiStartupShell::GuiStartupShell(FormMain& main, ProgramState& state, UserDialogs& dialogs,
                                 UrlTransfer& transfer, ProgramLauncher& launcher,
                                 std::string updater)
    : m_main(main),
      m_state(state),
      m_dialogs(dialogs),
      m_transfer(&transfer),
      m_launcher(&launcher),
      m_updater(std::move(updater)) {}

GuiStartupShell::~GuiStartupShell() = default;

void GuiStartupShell::showMainWindow() {
    m_main.show();
    // The service is known by now, so the start page comes from the right place.
    if (auto* pane = m_main.findChild<WebPane*>(QStringLiteral("wb1"))) {
        pane->showStartPage();
    }
}

bool GuiStartupShell::runUpdateCheck() {
    BusyTransfer transfer(*m_transfer, &m_main);
    // Only a started updater ends the program; without one the user goes on with this version.
    return quorvane::runUpdateCheck(m_state, m_dialogs, transfer, *m_launcher, m_updater) !=
           UpdateOutcome::UpdaterStarted;
}

void GuiStartupShell::chooseDraft(bool draftsExist) {
    if (draftsExist) {
        FormOpenDraft window(m_state, m_dialogs, m_main, &m_main);
        window.exec();
    } else {
        FormNewDraft window(m_state, m_dialogs, m_main, &m_main);
        window.exec();
    }
    m_main.focusRoom();
}

void GuiStartupShell::fillSearchList() {
    m_main.fillSearchList();
}

void GuiStartupShell::prepareDraftRoom() {
    m_main.showUpdateDollars(m_state.draftSettings()->drafttype == kDraftTypeAuction);
    m_main.selectFirstTab();
}

}  // namespace quorvane::gui
