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

  signals:
    void playerPageRequested(int playerId);
    void unwatchRequested(int playerId);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int playerIdAt(const QTableView* view, int row) const;

    GridTableModel* m_rosterModel;
    GridTableModel* m_watchModel;
    StruckRowsModel* m_struck;
    QLabel* lbl_myteam_money = nullptr;
    QTableView* dg_myteam = nullptr;
    QLabel* lbl_myteam_places = nullptr;
    QLabel* lbl_watch = nullptr;
    QTableView* dg_watch = nullptr;
};

}  // namespace quorvane::gui
