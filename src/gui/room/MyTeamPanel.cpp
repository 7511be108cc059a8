// SPDX-License-Identifier: MIT
#include "gui/room/MyTeamPanel.h"
#include "gui/widgets/NamedWidget.h"

#include <QFont>

#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/models/GridTableModel.h"
#include "gui/room/GridViews.h"
#include "gui/widgets/ElidingDelegate.h"
#include "room/MyTeam.h"
#include "room/RoomValues.h"
#include "room/WatchList.h"
#include "vocabulary/GridTable.h"

namespace quorvane::gui {

// Watched players another team took are struck through and greyed.
class StruckRowsModel final : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        if ((role == Qt::FontRole || role == Qt::ForegroundRole) && taken(index.row())) {
            if (role == Qt::ForegroundRole) {
                return QColor(Qt::gray);
            }
            QFont font;
            font.setStrikeOut(true);
            return font;
        }
        return QIdentityProxyModel::data(index, role);
    }

  private:
    bool taken(int row) const {
        const QModelIndex cell = index(row, kWatchTakenColumn);
        return cell.isValid() &&
               !QIdentityProxyModel::data(cell, Qt::DisplayRole).toString().isEmpty();
    }
};

namespace {

// A roster longer than this scrolls.
constexpr int kRowsInSight = 16;
// The rows a roster keeps in sight when the pane is wanted for something else.
constexpr int kRowsWhenSqueezed = 4;
// The most of the watch list's width, in percent, the team that took a player is given.
constexpr int kTakenShare = 30;

// Names take what the other columns leave; long ones lose their middle, not their end.
void fitNameColumn(QTableView& view, int nameColumn) {
    QHeaderView* header = view.horizontalHeader();
    for (int column = 0; column < view.model()->columnCount(); ++column) {
        header->setSectionResizeMode(
            column, column == nameColumn ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    }
}

}  // namespace

MyTeamPanelView::MyTeamPanelView(QWidget* parent)
    : QGroupBox(tr("My Team"), parent),
      m_rosterModel(new GridTableModel(this)),
      m_watchModel(new GridTableModel(this)),
      m_struck(new StruckRowsModel(this)) {
    setObjectName(QStringLiteral("frm_myteam"));
    lbl_myteam_money = makeNamed<QLabel>("lbl_myteam_money", this);
    lbl_myteam_money->setWordWrap(true);
    dg_myteam = makeRoomGrid(QStringLiteral("dg_myteam"), m_rosterModel, this);
    dg_myteam->setTextElideMode(Qt::ElideMiddle);
    dg_myteam->setItemDelegate(new ElidingDelegate(dg_myteam));
    dg_myteam->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dg_myteam->verticalHeader()->setDefaultSectionSize(dg_myteam->fontMetrics().height() + 4);
    lbl_myteam_places = makeNamed<QLabel>("lbl_myteam_places", this);
    lbl_myteam_places->setWordWrap(true);
    lbl_myteam_places->setToolTip(
        tr("Your place in each category of the projected standings (T- when tied)"));
    lbl_watch = makeNamed<QLabel>("lbl_watch", tr("Watch list (W on a player)"), this);
    m_struck->setSourceModel(m_watchModel);
    dg_watch = makeNamed<QTableView>("dg_watch", this);
    dg_watch->setModel(m_struck);
    dg_watch->setSelectionBehavior(QAbstractItemView::SelectRows);
    dg_watch->setSelectionMode(QAbstractItemView::SingleSelection);
    dg_watch->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dg_watch->verticalHeader()->hide();
    dg_watch->verticalHeader()->setDefaultSectionSize(dg_watch->fontMetrics().height() + 4);
    dg_watch->setMinimumHeight(3 * dg_watch->verticalHeader()->defaultSectionSize());
    dg_watch->setTextElideMode(Qt::ElideMiddle);
    dg_watch->setItemDelegate(new ElidingDelegate(dg_watch));
    dg_watch->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(lbl_myteam_money);
    layout->addWidget(dg_myteam);
    layout->addWidget(lbl_myteam_places);
    layout->addWidget(lbl_watch);
    layout->addWidget(dg_watch, 1);

    for (QTableView* view : {dg_myteam, dg_watch}) {
        view->installEventFilter(this);
        connect(view, &QTableView::doubleClicked, this, [this, view](const QModelIndex& index) {
            if (const int id = playerIdAt(view, index.row()); id > 0) {
                emit playerPageRequested(id);
            }
        });
    }
    showNoTeam();
}

void MyTeamPanelView::showPanel(const MyTeamPanel& panel) {
    setTitle(tr("My Team \u2014 %1").arg(QString::fromStdString(panel.teamname)));
    QString money =
        panel.openSlots == 1 ? tr("1 open slot") : tr("%1 open slots").arg(panel.openSlots);
    if (panel.auction) {
        money = tr("%1 left \u00b7 largest bid %2 \u00b7 %3")
                    .arg(QString::fromStdString(formatMoney(panel.moneyLeft, panel.priceDecimals)),
                         QString::fromStdString(formatMoney(panel.largestBid, panel.priceDecimals)),
                         money);
    }
    lbl_myteam_money->setText(money);
    showGridTable(dg_myteam, m_rosterModel, myTeamRosterGrid(panel));
    fitNameColumn(*dg_myteam, 2);
    // The whole roster in sight, the watch list taking what is left.
    const int rows = std::min(m_rosterModel->rowCount(), kRowsInSight);
    const int height = dg_myteam->horizontalHeader()->sizeHint().height() +
                       rows * dg_myteam->verticalHeader()->defaultSectionSize() +
                       2 * dg_myteam->frameWidth();
    m_rosterHeight = height;
    fitRosterHeight();
    // Before the team's first player every team ties for every place: nothing to read yet.
    const bool drafted = std::any_of(panel.roster.begin(), panel.roster.end(),
                                     [](const RosterSlotLine& line) { return !line.open(); });
    const std::string places = drafted ? placesLine(panel) : std::string();
    lbl_myteam_places->setText(QString::fromStdString(places));
    lbl_myteam_places->setVisible(!places.empty());
    dg_myteam->setVisible(true);
}

void MyTeamPanelView::showNoTeam() {
    setTitle(tr("My Team"));
    lbl_myteam_money->setText(
        tr("No team of this draft is yours: tick Mine beside it in Draft Settings, Team Setup."));
    lbl_myteam_places->clear();
    lbl_myteam_places->setVisible(false);
    dg_myteam->setVisible(false);
}

void MyTeamPanelView::showWatchList(const GridTable& watched) {
    showGridTable(dg_watch, m_watchModel, watched);
    fitNameColumn(*dg_watch, 1);
    fitTakenColumn();
    lbl_watch->setText(watched.rows.empty() ? tr("Watch list: W on a player adds him")
                                            : tr("Watch list"));
}

void MyTeamPanelView::squeezeRoster(bool squeezed) {
    m_rosterSqueezed = squeezed;
    fitRosterHeight();
    // The least height is read at once (leastHeight), before the window lays itself out again.
    layout()->activate();
}

int MyTeamPanelView::leastHeight() const {
    const QLayout* lines = layout();
    // The frame and title around the lines.
    const int frame = minimumSizeHint().height() - lines->minimumSize().height();
    return frame + std::max(lines->minimumSize().height(),
                            lines->minimumHeightForWidth(lines->geometry().width()));
}

void MyTeamPanelView::fitRosterHeight() {
    if (m_rosterHeight <= 0) {
        return;
    }
    if (!m_rosterSqueezed) {
        dg_myteam->setFixedHeight(m_rosterHeight);
        return;
    }
    const int least = dg_myteam->horizontalHeader()->sizeHint().height() +
                      kRowsWhenSqueezed * dg_myteam->verticalHeader()->defaultSectionSize() +
                      2 * dg_myteam->frameWidth();
    dg_myteam->setMinimumHeight(std::min(least, m_rosterHeight));
    dg_myteam->setMaximumHeight(m_rosterHeight);
}

void MyTeamPanelView::fitTakenColumn() {
    if (kWatchTakenColumn >= m_watchModel->columnCount()) {
        return;
    }
    QHeaderView* header = dg_watch->horizontalHeader();
    header->setSectionResizeMode(kWatchTakenColumn, QHeaderView::Interactive);
    const QAbstractItemView* items = dg_watch;
    const int wanted = std::max(items->sizeHintForColumn(kWatchTakenColumn),
                                header->sectionSizeHint(kWatchTakenColumn));
    dg_watch->setColumnWidth(kWatchTakenColumn,
                             std::min(wanted, dg_watch->viewport()->width() * kTakenShare / 100));
}

int MyTeamPanelView::playerIdAt(const QTableView* view, int row) const {
    return playerIdOfRow(view == dg_watch ? *m_watchModel : *m_rosterModel, row);
}

bool MyTeamPanelView::eventFilter(QObject* watched, QEvent* event) {
    auto* view = qobject_cast<QTableView*>(watched);
    if (view == dg_watch && event->type() == QEvent::Resize) {
        fitTakenColumn();
    }
    if (view != nullptr && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int id = playerIdAt(view, view->currentIndex().row());
        if (id > 0 && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                       key->key() == Qt::Key_Space)) {
            emit playerPageRequested(id);
            return true;
        }
        if (id > 0 && view == dg_watch &&
            (key->key() == Qt::Key_Delete || key->key() == Qt::Key_W)) {
            emit unwatchRequested(id);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace quorvane::gui
