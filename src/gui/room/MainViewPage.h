// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>
#include <string>
#include <unordered_set>

#include "room/PlayerListView.h"
#include "vocabulary/GridTable.h"

class QGroupBox;
class QMenu;
class QPushButton;
class QTableView;

namespace quorvane {
struct GridTable;
struct ProgramState;
struct RosterGrid;
struct TeamSelector;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class AvailabilityRunner;
class GridTableModel;
class PuntPlanPanel;
class PlayerFlagMenu;
class TeamChoiceBox;

// The "Main View" tab: the available players with their position and figure buttons, and the
// roster of one team beside them: the team on the clock, or the team the user chose.
class MainViewPage final : public QWidget {
    Q_OBJECT
  public:
    MainViewPage(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Fills the available players again with the position filter and order in force.
    void fillAvailablePlayers();
    void showAvailablePlayers(const GridTable& players);
    // Takes the players a team now holds out of the grid until its next fill.
    void removeTakenPlayers(const std::unordered_set<int>& taken);
    // Refills the team list (its entries only change with the draft's teams).
    void showTeamSelector(const TeamSelector& selector);
    // The roster shows `teamid` unless the user chose another team; choosing the followed team
    // again follows it once more.
    void followTeam(int teamid);
    void showRoster(const RosterGrid& roster);
    // The team chosen in cmb_roster, 0 when none.
    int rosterTeamId() const;
    // Chooses a team in cmb_roster and shows its roster, as the user would.
    void showTeam(int teamid);
    // Ctrl+R: the keyboard in the team list.
    void focusTeamSelector();
    // The position filter and sort column of the available players, which this page owns.
    const PlayerListView& listView() const { return m_list; }
    PlayerListView& listView() { return m_list; }
    // The position and figure buttons and the sort arrow as the list view and the figure
    // season have them (a draft's remembered view).
    void showViewState();

    // Ctrl+Shift+Down sorts by the column of the current cell, best (or A to Z) first;
    // Ctrl+Shift+Up the other way round.
    void sortByCurrentColumn(bool reversed);
    // The player of the current row, 0 when none.
    int currentPlayerId() const;
    // "First Last" of a player in the grid, his id when he is not in it.
    QString playerName(int playerId) const;
    // View > Columns: a tick per column the user may hide.
    void fillColumnsMenu(QMenu& menu);
    // Remembers the columns' order and the hidden ones (also kept as they change).
    void saveColumns() const;

    // The flag pop-up for a row of the available players, shown at `globalPos`.
    void openFlagMenu(int row, const QPoint& globalPos);
    PlayerFlagMenu* flagMenu() const { return m_flagMenu; }

  signals:
    void addPlayerRequested(int playerId);
    void movePlayerRequested(int playerId);
    void playerPageRequested(int playerId);
    void helpRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildFreeAgents();
    QWidget* buildRoster();
    void pressPositionButton(int index);
    void pressStatsButton(int index);
    void sortByHeading(int column);
    void clickFreeAgent(const QModelIndex& index);
    void applyFlag(int chosen);
    void saveNote(int row, int column, const QString& text);
    void showChosenRoster();
    void teamChosen();
    void toggleRoster();
    void showSortIndicator();
    // The columns as the user left them, else name, team, position, value and advice first.
    void arrangeColumns();
    void setColumnShown(int column, bool shown);
    void showAvailabilityFigures();
    void showPlayersWithAvailability();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    GridTableModel* m_freeAgentsModel;
    GridTableModel* m_rosterModel;
    QGroupBox* frm_freeagents = nullptr;
    QTableView* dg_freeagents = nullptr;
    std::array<QPushButton*, 8> cmd_pos{};
    std::array<QPushButton*, 2> cmd_stats{};
    QPushButton* cmd_show_roster = nullptr;
    QGroupBox* frm_roster = nullptr;
    TeamChoiceBox* cmb_roster = nullptr;
    QTableView* dg_roster = nullptr;
    QPushButton* cmd_help_main = nullptr;
    PlayerFlagMenu* m_flagMenu = nullptr;
    PlayerListView m_list;
    int m_menuRow = -1;  // the row whose flag menu is open
    int m_followedTeam = 0;
    int m_chosenTeam = 0;  // 0 while the roster follows the clock
    bool m_sortReversed = false;
    bool m_arranging = false;
    AvailabilityRunner* m_availability;
    PuntPlanPanel* m_puntPlan = nullptr;
    GridTable m_plainPlayers;  // as the room built them, before the forecast's columns
    std::string m_availabilityKey;
    bool m_withAvailability = false;
    bool m_withHScores = false;
};

}  // namespace quorvane::gui
