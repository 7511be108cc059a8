// SPDX-License-Identifier: MIT
#include "gui/valuation/StandingsPage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>
#include "gui/models/GridTableModel.h"
#include "gui/room/GridViews.h"
#include "gui/valuation/ValuationCharts.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"

#include "availability/TurnSequence.h"
#include "gui/widgets/NewestRun.h"
#include "headtohead/HeadToHeadLeague.h"
#include "hscores/HScoreColumns.h"
#include "hscores/SeasonOddsGrid.h"
#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"
#include "session/ShowMessage.h"
#include "valuation/HeadToHeadStandings.h"
#include "valuation/Standings.h"

namespace quorvane::gui {

StandingsPage::StandingsPage(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      m_state(state),
      m_dialogs(dialogs),
      m_model(new GridTableModel(this)),
      dg_standings(new QTableView(this)),
      m_matchupModel(new GridTableModel(this)),
      m_matchupPanel(new QWidget(this)),
      dg_matchups(new QTableView(m_matchupPanel)),
      m_oddsModel(new GridTableModel(this)),
      m_oddsPanel(new QWidget(this)),
      dg_season_odds(new QTableView(m_oddsPanel)),
      m_oddsRun(new NewestRun(this)),
      cmd_updateStandings(new QPushButton(tr("Update Standings"), this)),
      chk_reserves(new QCheckBox(tr("Include Reserves"), this)),
      cmd_help_standings(new QPushButton(tr("Help"), this)),
      m_chart(new StandingsChart(state, dialogs, this)),
      m_money(new MoneyChart(state, dialogs, this)) {
    dg_standings->setObjectName("dg_standings");
    cmd_updateStandings->setObjectName("cmd_updateStandings");
    chk_reserves->setObjectName("chk_reserves");
    cmd_help_standings->setObjectName("cmd_help_standings");

    dg_standings->setModel(m_model);
    dg_standings->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The owners stand in the row headings, which stay in sight however far a narrow window
    // scrolls across the categories.
    m_model->setRowHeadingColumn(0);
    dg_standings->verticalHeader()->setDefaultSectionSize(dg_standings->fontMetrics().height() + 6);
    dg_matchups->setObjectName("dg_matchups");
    dg_matchups->setModel(m_matchupModel);
    dg_matchups->setSelectionBehavior(QAbstractItemView::SelectRows);
    dg_matchups->verticalHeader()->hide();
    auto* matchupCaption =
        new QLabel(tr("Your team's chances in a week against each opponent and the league's "
                      "average team"),
                   m_matchupPanel);
    matchupCaption->setObjectName("lbl_matchups");
    matchupCaption->setWordWrap(true);
    auto* matchupLayout = new QVBoxLayout(m_matchupPanel);
    matchupLayout->setContentsMargins(0, 0, 0, 0);
    matchupLayout->addWidget(matchupCaption);
    matchupLayout->addWidget(dg_matchups, 1);
    m_matchupPanel->hide();
    dg_season_odds->setObjectName("dg_season_odds");
    dg_season_odds->setModel(m_oddsModel);
    dg_season_odds->setSelectionBehavior(QAbstractItemView::SelectRows);
    dg_season_odds->verticalHeader()->hide();
    auto* oddsCaption = new QLabel(
        tr("Season odds: %1 seasons of %2 weeks played over the weekly matchups of the rosters "
           "as they stand")
            .arg(QLocale(QLocale::English).toString(kDefaultSeasons))
            .arg(kDefaultSeasonWeeks),
        m_oddsPanel);
    oddsCaption->setObjectName("lbl_season_odds");
    oddsCaption->setWordWrap(true);
    auto* oddsLayout = new QVBoxLayout(m_oddsPanel);
    oddsLayout->setContentsMargins(0, 0, 0, 0);
    oddsLayout->addWidget(oddsCaption);
    oddsLayout->addWidget(dg_season_odds, 1);
    m_oddsPanel->hide();
    chk_reserves->setChecked(m_state.includeReserves);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmd_updateStandings);
    buttons->addWidget(chk_reserves);
    buttons->addStretch();
    buttons->addWidget(cmd_help_standings);
    auto* charts = new QSplitter(Qt::Vertical, this);
    charts->addWidget(m_chart);
    charts->addWidget(m_money);
    m_money->hide();
    auto* grids = new QSplitter(Qt::Vertical, this);
    grids->addWidget(dg_standings);
    grids->addWidget(m_matchupPanel);
    grids->addWidget(m_oddsPanel);
    auto* gridAndCharts = new QSplitter(Qt::Horizontal, this);
    gridAndCharts->addWidget(grids);
    gridAndCharts->addWidget(charts);
    gridAndCharts->setStretchFactor(0, 3);
    gridAndCharts->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridAndCharts, 1);
    layout->addLayout(buttons);

    connect(cmd_updateStandings, &QPushButton::clicked, this, &StandingsPage::updateStandings);
    connect(chk_reserves, &QCheckBox::toggled, this,
            [this](bool checked) { m_state.includeReserves = checked; });
    connect(cmd_help_standings, &QPushButton::clicked, this,
            [this] { emit helpRequested(QString::fromLatin1(kHelpPath)); });
}

void StandingsPage::updateStandings() {
    if (!m_state.hasDraft()) {
        return;
    }
    m_dialogs.setBusy(true);
    auto grid = calcStandings(m_state, m_state.includeReserves, false);
    m_dialogs.setBusy(false);
    if (grid) {
        showStandings(std::move(*grid));
    }
    refreshMoneyChart();
}

void StandingsPage::refreshMoneyChart() {
    m_money->refresh();
}

void StandingsPage::showStandings(GridTable grid) {
    grid.hiddenColumns.push_back(0);
    showGridTable(dg_standings, m_model, std::move(grid));
    // The total comes first after the owner, where a narrow window still shows it.
    QHeaderView* header = dg_standings->horizontalHeader();
    if (const int total = m_model->table().columnIndex("TOTAL"); total > 0) {
        header->moveSection(header->visualIndex(total), 1);
    }
    // Totals grow as teams draft: their cells widen rather than end in "...".
    growColumnsToContents(dg_standings);
    std::optional<GridTable> matchups;
    if (m_state.draftSettings() && m_state.draftSettings()->scoringstyle == kScoringHeadToHead) {
        matchups = shown(m_dialogs, myMatchupGrid(m_state, m_state.includeReserves));
    }
    m_matchupPanel->setVisible(matchups.has_value());
    if (matchups) {
        showGridTable(dg_matchups, m_matchupModel, std::move(*matchups));
        // A chance of "100.0%" after one of "53.2%" widens its column rather than being cut.
        growColumnsToContents(dg_matchups);
    }
    startSeasonOdds();
    m_chart->refresh();
}

void StandingsPage::startSeasonOdds() {
    const DraftModel* model =
        m_state.draftSettings() ? currentDraftModel(m_state, m_dialogs) : nullptr;
    const bool headToHead = model != nullptr && model->headToHead();
    m_oddsPanel->setVisible(headToHead);
    if (!headToHead) {
        return;
    }
    const bool reserves = m_state.includeReserves;
    std::string key = hScoreKey(*model) + (reserves ? "|R" : "");
    m_oddsRun->start(
        std::move(key),
        [this, copy = *model, reserves](std::stop_token stop) -> std::function<void()> {
            const HeadToHeadLeague league(copy, reserves);
            SeasonOddsRequest request;
            request.seed = defaultSeed(copy);
            std::optional<std::vector<TeamSeasonOdds>> odds = seasonOdds(
                seasonLeagueOf(copy, league.matchups()), request, Progress{{}, std::move(stop)});
            if (!odds) {
                return {};
            }
            auto grid = std::make_shared<GridTable>(seasonOddsGrid(copy, std::move(*odds)));
            return [this, grid] { showGridTable(dg_season_odds, m_oddsModel, std::move(*grid)); };
        });
}

}  // namespace quorvane::gui
