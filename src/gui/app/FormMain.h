// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <string>
#include <vector>

#include "gui/app/MainMenus.h"
#include "gui/app/MainWindowView.h"
#include "room/RefreshMain.h"
#include "valuation/Standings.h"

class QDialog;
class QCheckBox;
class QPushButton;
class QSplitter;
class QTabWidget;
class QVBoxLayout;

namespace quorvane {
enum class HelpPage;
struct DraftPick;
struct LiveRoom;
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class DraftBoardPage;
class DraftNotesPanel;
class ElidedLabel;
class FormFollowDraft;
class FormHostNight;
class PracticeBidBar;
class PracticeSession;
class HelpWindow;
class MainViewPage;
class MyTeamPanelView;
class PlayerSearchBar;
class QuickPickBox;
class ResearchPage;
class SidePane;
class StandingsPage;
class TargetsPage;
class WebPane;

// The draft room's frame: the menus, the on-the-clock banner with the quick-pick box, the five
// tabs and the side pane with the user's team and the draft. It only assembles; each tab's page
// is its own widget, put in with setTabPage.
//
// After a pick, skip, undo or keeper the banner, the user's team, the rosters and the money are
// shown at once; values, advice, standings and the other tabs follow a part at a time once the
// screen is drawn, and a tab out of sight waits until it is shown.
class FormMain final : public QMainWindow, public MainWindowView {
    Q_OBJECT
  public:
    enum Tab { kMainView, kPlayerResearch, kProjectedStandings, kCategoryTargets, kDraftBoard };
    static constexpr int kTabCount = 5;

    FormMain(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~FormMain() override;

    // Everything that may have changed, values, standings, targets, board and banner included,
    // at once. Opening a draft, its settings and another program's writes end here.
    void refreshMain() override;
    void refreshEverything();
    void showUpdateDollars(bool visible) override;
    void resetResearchGrid() override;
    // After a pick, keeper or move: the fast part now, the rest after the screen is drawn.
    void showRoomView(const RoomView& view) override;
    int rosterTeamId() const override;
    PlayerListView playerListView() const override;
    // Does at once whatever the room still has to refresh, tabs out of sight included.
    void settle();
    // True while parts of the room in sight wait to be refreshed (parts out of sight wait for
    // the user to look at them).
    bool refreshPending() const { return dirtyInView() != 0; }

    // Puts a tab's page in place of the one it has; the main window takes ownership. The Main
    // View keeps its "Update $" strip above whatever page it holds.
    void setTabPage(int index, QWidget* page);
    QWidget* tabPage(int index) const;
    void selectFirstTab();

    // Where the money list's labels go, inside the "Draft Info" box.
    QVBoxLayout* moneyArea() const;
    // The pane that shows player pages, and help while no draft is open.
    WebPane* webPane() const;
    SidePane* sidePane() const { return m_side; }
    const MainActions& actions() const { return m_actions; }

    void openNewDraft();
    void openOpenDraft();
    void openDraftSettings();
    void openFindProjections();
    void openEditProjections();
    void openImportTable();
    void openAbout();
    // Shows a help page in the help window.
    void showHelp(HelpPage page);
    // F1: the help page of the tab in view.
    void showHelpForTab();
    // Shows a player's page with his card of pick advice; the user's own players have no page.
    // The card follows every refresh while the page is shown.
    void showPlayerPage(int playerId);
    // Lists every player in the last-name search (start-up).
    void fillSearchList();

    // The only places that open the draft room's own windows.
    void openAddPlayer(int playerId);
    void openMovePlayer(int playerId);
    void openCustomPlayer();
    void openKeepers();
    void openFollowDraft();
    void openHostNight();
    // kind: "roster", "draft" or "hprojections".
    void openExport(const std::string& kind);

    // The quick-pick box's choice: the pick window for the team on the clock; after a pick the
    // quick-pick and search boxes are empty again.
    void pickPlayer(int playerId);
    void skipPick();
    void undoPick();
    // W: marks the player of the current row (available players or research) to be watched,
    // or unmarks him.
    void toggleWatch();
    void unwatchPlayer(int playerId);
    void toggleSidePane();
    // The keyboard back to the room once a window over it closes: the quick-pick box while a
    // draft is open.
    void focusRoom();
    QuickPickBox* quickPickBox() const { return m_quickPick; }
    DraftBoardPage* boardPage() const;
    HelpWindow* helpWindow() const;

    // "Quorvane Basketball Draft Software", the window's title outside a practice draft.
    static QString productTitle();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

  private:
    // Parts of the room a change leaves to be refreshed, in the order they are done.
    enum Part : unsigned {
        kValues = 1U << 0,         // dollar values or ranks, the advice, the players grid
        kStandings = 1U << 1,      // the standings run behind the user's places
        kStandingsView = 1U << 2,  // the standings tab's grid and charts
        kBoard = 1U << 3,
        kTargets = 1U << 4,
        kDraftLog = 1U << 5,
        kLists = 1U << 6,  // the search and quick-pick lists
        kCard = 1U << 7,   // the player card of the page in view
        kAll = (1U << 8) - 1,
    };

    void connectActions();
    void buildValuationPages();
    void buildRoomPages();
    QWidget* buildTabs();
    void installKeyFilters();
    // Refreshes the room when the command line or another window changes the database.
    void followOtherPrograms();
    void switchDraftView();
    void showLive(const LiveRoom& live);
    void showRoomFrame(const RoomView& view);
    void showRoom(const RoomView& view);
    // The fast part of a change: banner, team panel, rosters, money, the picked players out of
    // the grid. Reads the picks once and hands them back.
    void showChangeAtOnce(const RoomView& view, const QString& news);
    void showBanner(const std::vector<DraftPick>& picks);
    void showClock(const QString& banner, const QString& details);
    // The window title and the banner mark a practice draft (the name of the draft it copies).
    void showPracticeMark(bool practice, const QString& sourceName);
    void showMyTeam(const std::vector<DraftPick>& picks);
    void showWatchList();
    void showTeamOnTheClock();
    // Marks parts to be done after the screen is drawn.
    void refreshLater(unsigned parts);
    // Does the next part the user can see, then lets the screen draw before the one after.
    void refreshNextPart();
    void refreshPart(Part part);
    bool partInView(Part part) const;
    unsigned dirtyInView() const;
    void refreshValues();
    void refreshStandings();
    // The player card of the page in view.
    std::string playerCardHtml(int playerId);
    void showHelpPath(const QString& servicePath);
    // Runs a dialog and gives the keyboard back to the room when it closes.
    int runDialog(QDialog& dialog);
    void showNews(const QString& news);

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    MainActions m_actions;
    QTabWidget* m_tabs = nullptr;
    std::array<QVBoxLayout*, kTabCount> m_tabHosts{};
    std::array<QWidget*, kTabCount> m_tabPages{};
    QSplitter* m_splitter = nullptr;
    SidePane* m_side = nullptr;
    QList<int> m_sideSizes;
    ElidedLabel* m_clock = nullptr;
    QString m_banner;  // as core wrote it, before any practice mark
    QString m_bannerDetails;
    QString m_practiceOf;  // the draft a practice open copies; empty for a real draft
    QuickPickBox* m_quickPick = nullptr;
    QPointer<DraftBoardPage> m_board;
    QPointer<StandingsPage> m_standings;
    QPointer<HelpWindow> m_helpWindow;
    int m_viewTemplateId = 0;
    QPointer<FormFollowDraft> m_follow;
    QPointer<FormHostNight> m_hostNight;
    PracticeSession* m_practice = nullptr;
    PracticeBidBar* m_bidBar = nullptr;
    QPushButton* m_updateDollars = nullptr;
    QCheckBox* m_showInflation = nullptr;
    QPointer<TargetsPage> m_targets;
    // Tab pages can be replaced (setTabPage), so these may go.
    QPointer<MainViewPage> m_mainView;
    QPointer<ResearchPage> m_research;
    PlayerSearchBar* m_search = nullptr;
    unsigned m_dirty = 0;
    bool m_partScheduled = false;
    bool m_waitingForPaint = false;
    std::vector<StandingsEntry> m_standingsFigures;
    bool m_searchListStale = false;
};

}  // namespace quorvane::gui
