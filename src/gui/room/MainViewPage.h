// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>
#include <string>

#include "app/GridTable.h"

class QComboBox;
class QGroupBox;
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
class PlayerFlagMenu;

// The "Main View" tab: the available players with their position and figure buttons, and the
// roster of one team beside them.
class MainViewPage final : public QWidget {
    Q_OBJECT
  public:
    MainViewPage(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    // Fills the available players again with the position filter and order in force.
    void fillAvailablePlayers();
    void showAvailablePlayers(const GridTable& players);
    // Refills the selector; the team on the clock is chosen when there is one, else the
    // selector's own choice (the user's team).
    void showTeamSelector(const TeamSelector& selector, int teamOnTheClock);
    void showRoster(const RosterGrid& roster);
    // The team chosen in cmb_roster, 0 when none.
    int rosterTeamId() const;
    // Chooses a team in cmb_roster and shows its roster.
    void showTeam(int teamid);
    // The position and figure buttons and the sort arrow as the program state has them (a
    // draft's remembered view).
    void showViewState();

    // The flag pop-up for a row of the available players, shown at `globalPos`.
    void openFlagMenu(int row, const QPoint& globalPos);
    PlayerFlagMenu* flagMenu() const { return m_flagMenu; }

  signals:
    void addPlayerRequested(int playerId);
    void movePlayerRequested(int playerId);
    void playerPageRequested(int playerId);
    void helpRequested();

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
    void toggleRoster();
    void showSortIndicator();
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
    QComboBox* cmb_roster = nullptr;
    QTableView* dg_roster = nullptr;
    QPushButton* cmd_help_main = nullptr;
    PlayerFlagMenu* m_flagMenu = nullptr;
    AvailabilityRunner* m_availability;
    GridTable m_plainPlayers;  // as the room built them, before the forecast's columns
    std::string m_availabilityKey;
    bool m_withAvailability = false;
};

}  // namespace quorvane::gui
