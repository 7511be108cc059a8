// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace quorvane {
struct GridTable;
struct ProgramState;
class UserDialogs;
}  // namespace quorvane

namespace quorvane::gui {

class GridTableModel;
class MoneyChart;
class NewestRun;
class StandingsChart;

// The "Projected Standings" tab: the standings grid, recomputed on request, with or without
// the reserve picks, and beside it the totals as a bar chart (and an auction's money). In a
// head-to-head league the grid holds each team's expected category wins (or week win chance)
// and below it the user's team meets each opponent and the league's average team, then each
// team's odds over the season, played many times on a thread of its own.
class StandingsPage final : public QWidget {
    Q_OBJECT
  public:
    StandingsPage(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

    static constexpr const char* kHelpPath = "/draft/nba/help_standings.asp";

  public slots:
    // "Update Standings".
    void updateStandings();
    // Shows a grid a live refresh computed.
    void showStandings(GridTable grid);
    // After a pick: the money of an auction changes without a standings run.
    void refreshMoneyChart();

  signals:
    // The Help button: the service path of the page to show in the web pane.
    void helpRequested(const QString& path);

  private:
    void startSeasonOdds();

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    GridTableModel* m_model;
    QTableView* dg_standings;
    GridTableModel* m_matchupModel;
    QWidget* m_matchupPanel;
    QTableView* dg_matchups;
    GridTableModel* m_oddsModel;
    QWidget* m_oddsPanel;
    QTableView* dg_season_odds;
    NewestRun* m_oddsRun;
    QPushButton* cmd_updateStandings;
    QCheckBox* chk_reserves;
    QPushButton* cmd_help_standings;
    StandingsChart* m_chart;
    MoneyChart* m_money;
};

}  // namespace quorvane::gui
