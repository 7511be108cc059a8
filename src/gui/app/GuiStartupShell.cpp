// SPDX-License-Identifier: MIT
#include "gui/app/GuiStartupShell.h"

#include "app/ProgramState.h"
#include "gui/app/FormMain.h"
#include "gui/draftconfig/FormNewDraft.h"
#include "gui/draftconfig/FormOpenDraft.h"

namespace quorvane::gui {

GuiStartupShell::GuiStartupShell(FormMain& main, ProgramState& state, UserDialogs& dialogs)
    : m_main(main), m_state(state), m_dialogs(dialogs) {}

void GuiStartupShell::showMainWindow() {
    m_main.show();
}

bool GuiStartupShell::runUpdateCheck() {
    // The version check needs the projection service, which the program does not reach yet.
    return true;
}

void GuiStartupShell::chooseDraft(bool draftsExist) {
    if (draftsExist) {
        FormOpenDraft window(m_state, m_dialogs, m_main, &m_main);
        window.exec();
    } else {
        FormNewDraft window(m_state, m_dialogs, m_main, &m_main);
        window.exec();
    }
}

void GuiStartupShell::fillSearchList() {
    m_main.fillSearchList();
}

void GuiStartupShell::prepareDraftRoom() {
    m_main.showUpdateDollars(m_state.draftSettings->drafttype == kDraftTypeAuction);
    m_main.selectFirstTab();
    m_state.researchFilter = "BOTH";
    m_state.researchSort = "NAME";
}

}  // namespace quorvane::gui
