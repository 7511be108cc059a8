// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <string>
#include <vector>

#include "gui/app/MainWindowView.h"
#include "room/RefreshMain.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;
class QVBoxLayout;

namespace quorvane {
enum class HelpPage;
struct LiveRoom;
struct MoneyLine;
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class DraftBoardPage;
class DraftNotesPanel;
class FormFollowDraft;
class PracticeSession;
class HelpWindow;
class MainViewPage;
class PlayerSearchBar;
class QuickPickBox;
class ResearchPage;
class StandingsPage;
class TargetsPage;
class WebPane;

// The draft room's frame: the menus, the on-the-clock banner with the quick-pick box, the five
// tabs, the "Draft Info" box and the web pane in a side pane that can be folded away. It only
// assembles; each tab's page is its own widget, put in with setTabPage.
class FormMain final : public QMainWindow, public MainWindowView {
    Q_OBJECT
  public:
    enum Tab { kMainView, kPlayerResearch, kProjectedStandings, kCategoryTargets, kDraftBoard };
    static constexpr int kTabCount = 5;

    FormMain(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~FormMain() override;

    // Everything that may have changed, values, standings, targets, board and banner included.
    // Every change of the draft ends here, and so may anything that notices another program's
    // writes.
    void refreshMain() override;
    void refreshEverything();
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
    void openImportTable();
    void openAbout();
    // Shows a help page in the web pane.
    void showHelp(HelpPage page);
    // Shows a player's page in the web pane with his card of pick advice; the user's own
    // players have no page. The card follows every refresh while the page is shown.
    void showPlayerPage(int playerId);
    // Lists every player in the last-name search (start-up).
    void fillSearchList();

    // The only places that open the draft room's own windows.
    void openAddPlayer(int playerId);
    void openMovePlayer(int playerId);
    void openCustomPlayer();
    void openKeepers();
    void openFollowDraft();
    // kind: "roster", "draft" or "hprojections".
    void openExport(const std::string& kind);

    // The quick-pick box's choice: the pick window for the team on the clock; after a pick the
    // quick-pick and search boxes are empty again.
    void pickPlayer(int playerId);
    void skipPick();
    void undoPick();
    void toggleSidePane();
    QuickPickBox* quickPickBox() const { return m_quickPick; }
    DraftBoardPage* boardPage() const;
    HelpWindow* helpWindow() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void refreshLive(RoomChange change);
    void buildMenus();
    // Refreshes the room when the command line or another window changes the database.
    void followOtherPrograms();
    void buildValuationPages();
    void buildRoomPages();
    void showRefreshed(const RoomView& view);
    void showLive(const LiveRoom& live);
    void showRoom(const RoomView& view);
    void switchDraftView();
    void installShortcuts();
    void showMoney(const std::vector<MoneyLine>& lines);
    // The player's card of pick advice, empty when there is no advice for him.
    std::string playerCardHtml(int playerId);
    void showHelpPath(const QString& servicePath);
    QWidget* buildTabs();
    QWidget* buildDraftInfo();
    QWidget* buildWebPane();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    QTabWidget* m_tabs = nullptr;
    std::array<QVBoxLayout*, kTabCount> m_tabHosts{};
    std::array<QWidget*, kTabCount> m_tabPages{};
    QSplitter* m_splitter = nullptr;
    QWidget* m_sidePane = nullptr;
    QList<int> m_sideSizes;
    QLabel* m_clock = nullptr;
    QuickPickBox* m_quickPick = nullptr;
    QPointer<DraftBoardPage> m_board;
    QPointer<StandingsPage> m_standings;
    QPointer<HelpWindow> m_helpWindow;
    int m_viewTemplateId = 0;
    QMenu* m_editMenu = nullptr;
    QMenu* m_draftMenu = nullptr;
    QPointer<FormFollowDraft> m_follow;
    PracticeSession* m_practice = nullptr;
    QAction* m_restartPractice = nullptr;
    QAction* m_backToDraft = nullptr;
    QPushButton* m_updateDollars = nullptr;
    QCheckBox* m_showInflation = nullptr;
    QLabel* m_templateName = nullptr;
    QLabel* m_draftComplete = nullptr;  // shown once a straight or snake draft has ended
    QVBoxLayout* m_moneyArea = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_undoPick = nullptr;
    WebPane* m_webPane = nullptr;
    QPointer<TargetsPage> m_targets;
    // Tab pages can be replaced (setTabPage), so these may go.
    QPointer<MainViewPage> m_mainView;
    QPointer<ResearchPage> m_research;
    PlayerSearchBar* m_search = nullptr;
    DraftNotesPanel* m_notes = nullptr;
};

}  // namespace quorvane::gui
