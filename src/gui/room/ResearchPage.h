// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>
#include <string>

class QPushButton;
class QRadioButton;
class QTableView;

namespace quorvane {
struct ProgramState;
}

namespace quorvane::gui {

class GridTableModel;

// The "Player Research" tab: every available or every taken player with his full line of
// figures, from the projections or from last season.
class ResearchPage final : public QWidget {
    Q_OBJECT
  public:
    explicit ResearchPage(ProgramState& state, QWidget* parent = nullptr);

    // Fills the grid for the chosen option and the sort key in force.
    void fillResearchGrid();
    // A newly opened draft starts on the available players, from the top.
    void reset();
    // Ctrl+Shift+Down and Up: the current cell's column, best first or reversed.
    void sortByCurrentColumn(bool reversed);
    // The player of the current row, 0 when none.
    int currentPlayerId() const;
    // The keyboard in the grid, on its current row or else the first.
    void focusGrid();

  signals:
    void addPlayerRequested(int playerId);
    void playerPageRequested(int playerId);
    void helpRequested();

  protected:
    // Enter or Space opens the player's page, Ctrl+Enter picks an available player.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void pressStatsButton(int index);

    ProgramState& m_state;
    GridTableModel* m_model;
    QTableView* dg_research = nullptr;
    QRadioButton* optAvailable = nullptr;
    QRadioButton* optTaken = nullptr;
    std::array<QPushButton*, 2> cmd_res_stats{};
    QPushButton* cmd_help_research = nullptr;
    bool m_sortReversed = false;
    std::string m_researchSort = "NAME";  // the heading the grid is sorted by
};

}  // namespace quorvane::gui
