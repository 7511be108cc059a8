// SPDX-License-Identifier: MIT
#include "gui/app/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quorvane::gui {

namespace {

QAction* item(QMenu* menu, const char* name, const char* caption,
              const QList<QKeySequence>& keys = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    // Shortcuts work wherever the focus is in the window, dialogs excepted.
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QMenu* menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* added = bar->addMenu(QString::fromUtf8(caption));
    added->setObjectName(QString::fromLatin1(name));
    return added;
}

void waitForDraft(QMenu* menu) {
    menu->setEnabled(false);
    menu->menuAction()->setEnabled(false);
}

}  // namespace

MainActions buildMainMenus(QMainWindow& window) {
    MainActions actions;
    QMenuBar* bar = window.menuBar();

    QMenu* file = menu(bar, "mnuFile", "&File");
    actions.newDraft = item(file, "mnuNewDraft", "&New Draft", {QKeySequence::New});
    actions.openDraft = item(file, "mnuOpenDraft", "&Open Draft", {QKeySequence::Open});
    file->addSeparator();
    actions.exit = item(file, "mnuExit", "E&xit", {QKeySequence(Qt::CTRL | Qt::Key_Q)});

    actions.editMenu = menu(bar, "mnuEdit", "&Edit");
    waitForDraft(actions.editMenu);
    actions.draftSettings = item(actions.editMenu, "mnuEditDraftSettings", "Draft &Settings");

    actions.draftMenu = menu(bar, "mnuDraft", "&Draft");
    waitForDraft(actions.draftMenu);
    QMenu* draft = actions.draftMenu;
    actions.quickPick = item(draft, "mnuQuickPick", "&Quick Pick",
                             {QKeySequence(Qt::CTRL | Qt::Key_K), QKeySequence(Qt::Key_Slash)});
    actions.skipPick =
        item(draft, "mnuSkipPick", "&Skip Pick", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    actions.undoPick =
        item(draft, "mnuUndoPick", "&Undo Last Pick", {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    draft->addSeparator();
    actions.watchPlayer = item(draft, "mnuWatchPlayer", "&Watch Player", {QKeySequence(Qt::Key_W)});
    actions.rosterTeam =
        item(draft, "mnuRosterTeam", "Roster &Team", {QKeySequence(Qt::CTRL | Qt::Key_R)});
    actions.showInflation =
        item(draft, "mnuShowInflation", "Show &Inflation", {QKeySequence(Qt::CTRL | Qt::Key_I)});
    actions.showInflation->setCheckable(true);
    actions.updateDollars = item(draft, "mnuUpdateDollars", "Update &Dollar Values");
    draft->addSeparator();
    actions.followDraft = item(draft, "mnuFollowOnlineDraft", "&Follow Online Draft\u2026");
    actions.hostNight = item(draft, "mnuHostDraftNight", "&Host Draft Night\u2026");
    draft->addSeparator();
    actions.practiceDraft = item(draft, "mnuPracticeDraft", "&Practice Draft\u2026");
    // Shown only while a practice draft is open.
    actions.restartPractice = item(draft, "mnuRestartPractice", "R&estart");
    actions.backToDraft = item(draft, "mnuBackToDraft", "&Back to Draft");
    actions.restartPractice->setVisible(false);
    actions.backToDraft->setVisible(false);

    QMenu* view = menu(bar, "mnuView", "&View");
    const char* tabNames[] = {"mnuTabMain", "mnuTabResearch", "mnuTabStandings", "mnuTabTargets",
                              "mnuTabBoard"};
    const char* tabCaptions[] = {"&Main View", "Player &Research", "Projected &Standings",
                                 "Category &Targets", "Draft &Board"};
    for (std::size_t tab = 0; tab < actions.tabs.size(); ++tab) {
        QList<QKeySequence> keys{QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + tab))};
        if (tab == actions.tabs.size() - 1) {
            keys.append(QKeySequence(Qt::CTRL | Qt::Key_B));
        }
        actions.tabs[tab] = item(view, tabNames[tab], tabCaptions[tab], keys);
    }
    view->addSeparator();
    actions.sortDescending = item(view, "mnuSortDescending", "Sort by Column, Best &First",
                                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down)});
    actions.sortAscending = item(view, "mnuSortAscending", "Sort by Column, Re&versed",
                                 {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up)});
    // Enter on a grid row is the grid's own key: a window-wide shortcut would take it from
    // the quick-pick box.
    actions.playerPage = item(view, "mnuPlayerPage", "Player &Page\tEnter");
    actions.columns = view->addMenu(QStringLiteral("&Columns"));
    actions.columns->setObjectName(QStringLiteral("mnuColumns"));
    view->addSeparator();
    actions.sidePane =
        item(view, "mnuSidePane", "Side P&ane", {QKeySequence(Qt::CTRL | Qt::Key_Backslash)});
    actions.presentation = item(view, "mnuPresentation", "Board Pr&esentation",
                                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)});
    actions.refresh = item(view, "mnuRefresh", "Refres&h", {QKeySequence(Qt::Key_F5)});

    QMenu* players = menu(bar, "mnuPlayers", "&Players");
    actions.addPlayer = item(players, "mnuAddPlayer", "&Add Player");
    actions.keepers = item(players, "mnuKeepers", "Add &Keepers");

    // Alt+R is the Player Research tab's.
    QMenu* projections = menu(bar, "mnuProjections", "Pro&jections");
    actions.updateProjections = item(projections, "mnuUpdateProjections", "&Update Projections");
    actions.editProjections = item(projections, "mnu_edit_projections", "&Edit Projections");
    actions.importTable = item(projections, "mnuImportTable", "&Import Projection Table...");

    QMenu* exports = menu(bar, "mnuExport", "E&xport");
    actions.exportRosters = item(exports, "mnuExRosters", "&Rosters");
    actions.exportDraft = item(exports, "mnuExDraft", "&Draft/Auction Results");
    actions.exportProjections = item(exports, "mnuExHitProjections", "Player &Projections");

    QMenu* help = menu(bar, "mnuHelp", "&Help");
    actions.helpForTab =
        item(help, "mnuHelpForTab", "&Help for This Tab", {QKeySequence(Qt::Key_F1)});
    actions.helpTopics = item(help, "mnuHelpTopics", "Help &Topics");
    actions.helpKeys = item(help, "mnuHelpKeys", "&Keyboard and Board");
    actions.about = item(help, "mnuAbout", "&About");
    return actions;
}

}  // namespace quorvane::gui
