// SPDX-License-Identifier: MIT
#pragma once

#include <array>

class QAction;
class QMainWindow;
class QMenu;

namespace quorvane::gui {

// Every command of the draft room, each in a menu with an Alt+letter and, where it is used
// often, a shortcut. The actions carry the names tests find them by (mnuNewDraft, ...); the
// main window connects them.
struct MainActions {
    QAction* newDraft = nullptr;
    QAction* openDraft = nullptr;
    QAction* exit = nullptr;
    QAction* draftSettings = nullptr;
    QAction* quickPick = nullptr;
    QAction* skipPick = nullptr;
    QAction* undoPick = nullptr;
    QAction* watchPlayer = nullptr;
    QAction* rosterTeam = nullptr;
    QAction* showInflation = nullptr;
    QAction* updateDollars = nullptr;
    QAction* followDraft = nullptr;
    QAction* practiceDraft = nullptr;
    QAction* hostNight = nullptr;
    QAction* restartPractice = nullptr;
    QAction* backToDraft = nullptr;
    std::array<QAction*, 5> tabs{};
    QAction* sortDescending = nullptr;
    QAction* sortAscending = nullptr;
    QAction* playerPage = nullptr;
    QMenu* columns = nullptr;
    QAction* sidePane = nullptr;
    QAction* presentation = nullptr;
    QAction* refresh = nullptr;
    QAction* addPlayer = nullptr;
    QAction* keepers = nullptr;
    QAction* updateProjections = nullptr;
    QAction* editProjections = nullptr;
    QAction* importTable = nullptr;
    QAction* exportRosters = nullptr;
    QAction* exportDraft = nullptr;
    QAction* exportProjections = nullptr;
    QAction* helpForTab = nullptr;
    QAction* helpTopics = nullptr;
    QAction* helpKeys = nullptr;
    QAction* about = nullptr;
    // Menus that wait for an open draft.
    QMenu* editMenu = nullptr;
    QMenu* draftMenu = nullptr;
};

MainActions buildMainMenus(QMainWindow& window);

}  // namespace quorvane::gui
