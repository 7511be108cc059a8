// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <string>
#include <vector>

#include "gui/app/MainWindowView.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace quorvane {
enum class HelpPage;
struct MoneyLine;
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class DraftNotesPanel;
class MainViewPage;
class PlayerSearchBar;
class ResearchPage;
class StandingsPage;
class TargetsPage;
class WebPane;

// The draft room's frame: the menus, the four tabs, the "Draft Info" box and the web pane. It
// only assembles; each tab's page is its own widget, put in with setTabPage.
class FormMain final : public QMainWindow, public MainWindowView {
    Q_OBJECT
  public:
    enum Tab { kMainView, kPlayerResearch, kProjectedStandings, kCategoryTargets };

    FormMain(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~FormMain() override;

    void refreshMain() override;
    void showUpdateDollars(bool visible) override;
    void resetResearchGrid() override;
    void showRoomView(const RoomView& view) override;
    int rosterTeamId() const override;

    // Puts a tab's page in place of the one it has; the main window takes ownership. The Main
    // View keeps its "Update $" strip above whatever page it holds.
    void setTabPage(int index, QWidget* page);
    QWidget* tabPage(int index) const;
    void selectFirstTab();

    // Where the money list's labels go, inside the "Draft Info" box.
    QVBoxLayout* moneyArea() const { return m_moneyArea; }
    // The pane that shows help and player pages.
    WebPane* webPane() const { return m_webPane; }

    void openNewDraft();
    void openOpenDraft();
    void openDraftSettings();
    void openFindProjections();
    void openEditProjections();
    void openAbout();
    // Shows a help page in the web pane.
    void showHelp(HelpPage page);
    // Shows a player's page in the web pane; the user's own players have none.
    void showPlayerPage(int playerId);
    // Lists every player in the last-name search (start-up).
    void fillSearchList();

    // The only places that open the draft room's own windows.
    void openAddPlayer(int playerId);
    void openMovePlayer(int playerId);
    void openCustomPlayer();
    void openKeepers();
    // kind: "roster", "draft" or "hprojections".
    void openExport(const std::string& kind);

  private:
    void buildMenus();
    void buildValuationPages();
    void buildRoomPages();
    void showRefreshed(const RoomView& view);
    void showMoney(const std::vector<MoneyLine>& lines);
    void skipPick();
    void undoPick();
    void showHelpPath(const QString& servicePath);
    QWidget* buildTabs();
    QWidget* buildDraftInfo();
    QWidget* buildWebPane();
    void centreOnScreen();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    QTabWidget* m_tabs = nullptr;
    std::array<QVBoxLayout*, 4> m_tabHosts{};
    std::array<QWidget*, 4> m_tabPages{};
    QMenu* m_editMenu = nullptr;
    QPushButton* m_updateDollars = nullptr;
    QCheckBox* m_showInflation = nullptr;
    QLabel* m_templateName = nullptr;
    QVBoxLayout* m_moneyArea = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_undoPick = nullptr;
    WebPane* m_webPane = nullptr;
    StandingsPage* m_standings = nullptr;
    TargetsPage* m_targets = nullptr;
    // Tab pages can be replaced (setTabPage), so these may go.
    QPointer<MainViewPage> m_mainView;
    QPointer<ResearchPage> m_research;
    PlayerSearchBar* m_search = nullptr;
    DraftNotesPanel* m_notes = nullptr;
};

}  // namespace quorvane::gui
