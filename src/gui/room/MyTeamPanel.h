// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

class QLabel;
class QTableView;

namespace quorvane {
struct GridTable;
struct MyTeamPanel;
}  // namespace quorvane

namespace quorvane::gui {

class GridTableModel;
class StruckRowsModel;

// "My Team": the user's roster by slot with its open slots, his money and largest bid in an
// auction, his places in the projected standings, and the players he watches (those another
// team took struck through). Enter on a player opens his page; Delete or W on a watched player
// stops watching him.
class MyTeamPanelView final : public QGroupBox {
    Q_OBJECT
  public:
    explicit MyTeamPanelView(QWidget* parent = nullptr);

    void showPanel(const MyTeamPanel& panel);
    // Without a team of his the panel says how to mark one.
    void showNoTeam();
    void showWatchList(const GridTable& watched);
    // The whole roster in sight, or (squeezed) a few rows of it scrolling, so that a player's
    // page below has room.
    void squeezeRoster(bool squeezed);
    // The least height the panel's lines need at its width: its wrapped lines count whole.
    int leastHeight() const;

  signals:
    void playerPageRequested(int playerId);
    void unwatchRequested(int playerId);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int playerIdAt(const QTableView* view, int row) const;
    // The team that took a watched player is cut to a share of the list, which is the names'.
    void fitTakenColumn();
    void fitRosterHeight();

    GridTableModel* m_rosterModel;
    GridTableModel* m_watchModel;
    StruckRowsModel* m_struck;
    QLabel* lbl_myteam_money = nullptr;
    QTableView* dg_myteam = nullptr;
    QLabel* lbl_myteam_places = nullptr;
    QLabel* lbl_watch = nullptr;
    QTableView* dg_watch = nullptr;
    int m_rosterHeight = 0;  // of the whole roster
    bool m_rosterSqueezed = false;
};

}  // namespace quorvane::gui
