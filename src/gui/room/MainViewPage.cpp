// SPDX-License-Identifier: MIT
#include "gui/room/MainViewPage.h"
#include "gui/widgets/NamedWidget.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "app/GridTable.h"
#include "app/ProgramState.h"
#include "app/ServiceEndpoints.h"
#include "availability/AvailabilityColumns.h"
#include "gui/models/GridTableModel.h"
#include "gui/room/AvailabilityRunner.h"
#include "gui/room/GridViews.h"
#include "gui/room/PlayerFlagMenu.h"
#include "model/DraftModelLoader.h"
#include "room/AdviceColumns.h"
#include "room/PlayerLists.h"
#include "room/RefreshMain.h"
#include "room/Rosters.h"

namespace quorvane::gui {

namespace {

// Captions of the position buttons, in the order of the position filters.
constexpr std::array<const char*, kPositionButtons> kPositionCaptions = {"All", "G", "PG", "F",
                                                                         "PF",  "C", "SG", "SF"};

constexpr int kRosterFrameWidth = 300;
constexpr int kRosterFrameMinimumWidth = 200;

// The roster with its slot labels as a first column, so that the slot reads beside the player.
GridTable rosterWithSlots(const RosterGrid& roster) {
    GridTable table = roster.table;
    table.headings.insert(table.headings.begin(), std::string());
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        const std::string slot = row < roster.rowHeaders.size() ? roster.rowHeaders[row] : "";
        table.rows[row].insert(table.rows[row].begin(), slot);
    }
    for (int& column : table.hiddenColumns) {
        ++column;
    }
    return table;
}

// The advice is read against the value, so its columns stand right after the value columns on
// screen, wherever the grid keeps them (the grid's own order is what the command line prints).
void placeAdviceBesideValue(QTableView& view, const GridTable& table) {
    const int fantasyPoints = table.columnIndex("FPTS");
    int after = fantasyPoints >= 0 ? fantasyPoints : table.columnIndex("Gain") >= 0 ? 2 : -1;
    if (after < 0) {
        return;
    }
    QHeaderView* header = view.horizontalHeader();
    std::vector<std::string> headings = adviceHeadings();
    for (std::string& heading : availabilityHeadings()) {
        headings.push_back(std::move(heading));
    }
    for (const std::string& heading : headings) {
        const int column = table.columnIndex(heading);
        if (column < 0) {
            continue;
        }
        header->moveSection(header->visualIndex(column), header->visualIndex(after) + 1);
        after = column;
    }
}

}  // namespace

MainViewPage::MainViewPage(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      m_state(state),
      m_dialogs(dialogs),
      m_freeAgentsModel(new GridTableModel(this)),
      m_rosterModel(new GridTableModel(this)),
      m_availability(new AvailabilityRunner(this)) {
    setObjectName(QStringLiteral("MainViewPage"));
    connect(m_availability, &AvailabilityRunner::finished, this,
            &MainViewPage::showAvailabilityFigures);
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(buildFreeAgents(), 1);
    columns->addWidget(buildRoster());
    m_flagMenu = new PlayerFlagMenu(this);
    connect(m_flagMenu, &PlayerFlagMenu::flagChosen, this, &MainViewPage::applyFlag);
}

QWidget* MainViewPage::buildFreeAgents() {
    frm_freeagents = makeNamed<QGroupBox>("frm_freeagents", this);
    auto* layout = new QVBoxLayout(frm_freeagents);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    std::vector<QAbstractButton*> positionGroup;
    for (int index = 0; index < kPositionButtons; ++index) {
        auto* button =
            new QPushButton(QString::fromLatin1(kPositionCaptions[index]), frm_freeagents);
        button->setObjectName(QStringLiteral("cmd_pos_%1").arg(index));
        button->setMinimumWidth(28);
        connect(button, &QPushButton::clicked, this, [this, index] { pressPositionButton(index); });
        cmd_pos[static_cast<std::size_t>(index)] = button;
        positionGroup.push_back(button);
        buttons->addWidget(button);
    }
    highlightButton(positionGroup, 0);
    buttons->addSpacing(12);
    const int year = m_state.projectionYear;
    const std::array<QString, 2> statsCaptions = {QStringLiteral("PROJ"),
                                                  QString::number(year - 1)};
    const std::array<QString, 2> statsTips = {QStringLiteral("%1 Projections").arg(year),
                                              QStringLiteral("%1 Stats").arg(year - 1)};
    for (int index = 0; index < 2; ++index) {
        auto* button =
            new QPushButton(statsCaptions[static_cast<std::size_t>(index)], frm_freeagents);
        button->setObjectName(QStringLiteral("cmd_stats_%1").arg(index));
        button->setToolTip(statsTips[static_cast<std::size_t>(index)]);
        connect(button, &QPushButton::clicked, this, [this, index] { pressStatsButton(index); });
        cmd_stats[static_cast<std::size_t>(index)] = button;
        buttons->addWidget(button);
    }
    highlightButton({cmd_stats[0], cmd_stats[1]}, m_state.statsMode == 0 ? 0 : 1);
    buttons->addStretch(1);
    cmd_show_roster =
        makeNamed<QPushButton>("cmd_show_roster", QStringLiteral("expand-->"), frm_freeagents);
    connect(cmd_show_roster, &QPushButton::clicked, this, &MainViewPage::toggleRoster);
    buttons->addWidget(cmd_show_roster);
    layout->addLayout(buttons);

    auto* caption = new QLabel(
        QStringLiteral("Double-click to add players to team, Click column head to sort."),
        frm_freeagents);
    layout->addWidget(caption);

    dg_freeagents =
        makeRoomGrid(QStringLiteral("dg_freeagents"), m_freeAgentsModel, frm_freeagents);
    // Double-click belongs to the pick, so a note is edited by typing over its cell.
    dg_freeagents->setEditTriggers(QAbstractItemView::SelectedClicked |
                                   QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    dg_freeagents->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(dg_freeagents, 1);

    connect(dg_freeagents->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &MainViewPage::sortByHeading);
    connect(dg_freeagents, &QTableView::clicked, this, &MainViewPage::clickFreeAgent);
    connect(dg_freeagents, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const int id = playerIdOfRow(*m_freeAgentsModel, index.row()); id > 0) {
            emit addPlayerRequested(id);
        }
    });
    connect(dg_freeagents, &QTableView::customContextMenuRequested, this,
            [this](const QPoint& pos) {
                const QModelIndex index = dg_freeagents->indexAt(pos);
                if (index.isValid() && index.column() >= 1) {
                    openFlagMenu(index.row(), dg_freeagents->viewport()->mapToGlobal(pos));
                }
            });
    connect(m_freeAgentsModel, &GridTableModel::cellEdited, this, &MainViewPage::saveNote);
    return frm_freeagents;
}

QWidget* MainViewPage::buildRoster() {
    frm_roster = makeNamed<QGroupBox>("frm_roster", this);
    // The roster gives way on a small screen instead of pushing the window past it.
    frm_roster->setMinimumWidth(kRosterFrameMinimumWidth);
    frm_roster->setMaximumWidth(kRosterFrameWidth);
    auto* layout = new QVBoxLayout(frm_roster);

    cmb_roster = makeNamed<QComboBox>("cmb_roster", frm_roster);
    connect(cmb_roster, &QComboBox::activated, this, &MainViewPage::showChosenRoster);
    layout->addWidget(cmb_roster);

    auto* caption = new QLabel(
        QStringLiteral("Double-click on player to move to another team or pos."), frm_roster);
    caption->setWordWrap(true);
    layout->addWidget(caption);

    dg_roster = makeRoomGrid(QStringLiteral("dg_roster"), m_rosterModel, frm_roster);
    dg_roster->horizontalHeader()->setStretchLastSection(false);
    connect(dg_roster, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        // Column 0 holds the slot; the playerid follows it and is blank on an empty slot.
        const std::vector<std::string>* cells = m_rosterModel->rowAt(index.row());
        if (cells == nullptr || cells->size() < 2) {
            return;
        }
        const QString id = QString::fromStdString((*cells)[1]).trimmed();
        if (!id.isEmpty()) {
            emit movePlayerRequested(id.toInt());
        }
    });
    layout->addWidget(dg_roster, 1);

    cmd_help_main = makeNamed<QPushButton>("cmd_help_main", QStringLiteral("Help"), frm_roster);
    connect(cmd_help_main, &QPushButton::clicked, this, &MainViewPage::helpRequested);
    auto* helpRow = new QHBoxLayout;
    helpRow->addStretch(1);
    helpRow->addWidget(cmd_help_main);
    layout->addLayout(helpRow);
    return frm_roster;
}

void MainViewPage::fillAvailablePlayers() {
    if (auto players = quorvane::fillAvailablePlayers(m_state, m_state.positionFilter,
                                                      m_state.freeAgentSortColumn)) {
        showAvailablePlayers(*players);
    }
}

void MainViewPage::showAvailablePlayers(const GridTable& players) {
    m_plainPlayers = players;
    const DraftModel* model =
        m_state.draftSettings ? currentDraftModel(m_state, m_dialogs) : nullptr;
    // An auction has no turns to wait for.
    m_withAvailability = model != nullptr && !model->auction();
    if (m_withAvailability) {
        m_availabilityKey = availabilityKey(*model);
        m_availability->start(*model);
    }
    showPlayersWithAvailability();
}

void MainViewPage::showAvailabilityFigures() {
    // A note being typed is not thrown away: the figures come with the next fill of the grid.
    const QList<QWidget*> editors =
        dg_freeagents->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (std::any_of(editors.begin(), editors.end(),
                    [](const QWidget* editor) { return editor->isVisible(); })) {
        return;
    }
    QScrollBar* scroll = dg_freeagents->verticalScrollBar();
    const int position = scroll->value();
    const int row = dg_freeagents->currentIndex().row();
    showPlayersWithAvailability();
    if (row >= 0) {
        dg_freeagents->selectRow(row);
    }
    scroll->setValue(position);
}

// Figures of an older state of the room are not shown: the cells stay blank until the run for
// this one is done.
void MainViewPage::showPlayersWithAvailability() {
    GridTable players = m_plainPlayers;
    if (m_withAvailability) {
        const AvailabilityShown* shown = m_availability->shown();
        addAvailabilityColumns(
            players, shown != nullptr && shown->key == m_availabilityKey ? shown : nullptr);
    }
    showGridTable(dg_freeagents, m_freeAgentsModel, players);
    placeAdviceBesideValue(*dg_freeagents, m_freeAgentsModel->table());
    showSortIndicator();
    const int notes = m_freeAgentsModel->table().columnIndex("Notes");
    m_freeAgentsModel->setEditableColumns(notes >= 0 ? std::vector<int>{notes}
                                                     : std::vector<int>{});
}

void MainViewPage::showTeamSelector(const TeamSelector& selector, int teamOnTheClock) {
    cmb_roster->clear();
    int selected = selector.selected;
    for (std::size_t index = 0; index < selector.teams.size(); ++index) {
        const TeamChoice& team = selector.teams[index];
        cmb_roster->addItem(QString::fromStdString(team.teamname), team.teamid);
        if (team.teamid == teamOnTheClock) {
            selected = static_cast<int>(index);
        }
    }
    cmb_roster->setCurrentIndex(selected);
}

void MainViewPage::showRoster(const RosterGrid& roster) {
    frm_roster->setTitle(QString::fromStdString(roster.title));
    showGridTable(dg_roster, m_rosterModel, rosterWithSlots(roster));
    // The frame is narrow: the name takes what the slot, team and pick columns leave.
    QHeaderView* header = dg_roster->horizontalHeader();
    const int name = m_rosterModel->table().columnIndex("Name");
    for (int column = 0; column < m_rosterModel->columnCount(); ++column) {
        header->setSectionResizeMode(
            column, column == name ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    }
}

void MainViewPage::showTeam(int teamid) {
    const int index = cmb_roster->findData(teamid);
    if (index >= 0) {
        cmb_roster->setCurrentIndex(index);
        showChosenRoster();
    }
}

void MainViewPage::showViewState() {
    int pressed = 0;
    for (int index = 0; index < kPositionButtons; ++index) {
        if (positionName(index) == m_state.positionFilter) {
            pressed = index;
        }
    }
    highlightButton({cmd_pos.begin(), cmd_pos.end()}, pressed);
    highlightButton({cmd_stats[0], cmd_stats[1]}, m_state.statsMode == 0 ? 0 : 1);
    showSortIndicator();
}

// Names, teams, positions, ranks and turnovers read from the smallest; other figures from the
// largest, as the list is ordered.
void MainViewPage::showSortIndicator() {
    QHeaderView* header = dg_freeagents->horizontalHeader();
    header->setSortIndicatorShown(true);
    int column = m_state.freeAgentSortColumn;
    // Without a chosen heading the list is in value order, the third column.
    if (column <= 0 || column >= m_freeAgentsModel->columnCount()) {
        column = 2;
    }
    if (column >= m_freeAgentsModel->columnCount()) {
        header->setSortIndicator(-1, Qt::AscendingOrder);
        return;
    }
    const std::string heading =
        m_freeAgentsModel->table().headings[static_cast<std::size_t>(column)];
    const bool ascending = heading == "Name" || heading == "Team" || heading == "Pos" ||
                           heading == "RK" || heading == "TO" || heading == "playerid";
    header->setSortIndicator(column, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

int MainViewPage::rosterTeamId() const {
    return cmb_roster->currentIndex() >= 0 ? cmb_roster->currentData().toInt() : 0;
}

void MainViewPage::pressPositionButton(int index) {
    highlightButton({cmd_pos.begin(), cmd_pos.end()}, index);
    selectPositionButton(m_state, index);
    fillAvailablePlayers();
}

void MainViewPage::pressStatsButton(int index) {
    highlightButton({cmd_stats[0], cmd_stats[1]}, index);
    m_state.statsMode = index;
    fillAvailablePlayers();
}

void MainViewPage::sortByHeading(int column) {
    // The room's lists sort themselves; the forecast's columns come after them and do not.
    if (column >= static_cast<int>(m_plainPlayers.headings.size()) &&
        !m_plainPlayers.headings.empty()) {
        return;
    }
    m_state.freeAgentSortColumn = column;
    fillAvailablePlayers();
}

void MainViewPage::clickFreeAgent(const QModelIndex& index) {
    const int id = playerIdOfRow(*m_freeAgentsModel, index.row());
    if (id > 0 && id < kFirstCustomPlayerId) {
        emit playerPageRequested(id);
    }
}

void MainViewPage::openFlagMenu(int row, const QPoint& globalPos) {
    const std::vector<std::string>* cells = m_freeAgentsModel->rowAt(row);
    if (cells == nullptr || cells->size() < 2) {
        return;
    }
    m_state.menuRow = row;
    dg_freeagents->selectRow(row);
    m_flagMenu->tickFlag(QString::fromStdString((*cells)[1]).toInt());
    m_flagMenu->popup(globalPos);
}

void MainViewPage::applyFlag(int chosen) {
    const int row = m_state.menuRow;
    const std::vector<std::string>* cells = m_freeAgentsModel->rowAt(row);
    if (cells == nullptr || cells->size() < 2) {
        return;
    }
    const int current = QString::fromStdString((*cells)[1]).toInt();
    const int flag = chooseFlag(m_state, playerIdOfRow(*m_freeAgentsModel, row), current, chosen);
    m_freeAgentsModel->setCellText(row, 1, std::to_string(flag));
    m_freeAgentsModel->setRowColour(row, PlayerFlagMenu::rowColour(flag));
}

void MainViewPage::saveNote(int row, int column, const QString& text) {
    (void)column;
    if (const int id = playerIdOfRow(*m_freeAgentsModel, row); id > 0) {
        savePlayerNote(m_state, id, text.toStdString());
    }
}

void MainViewPage::showChosenRoster() {
    if (const int teamid = rosterTeamId(); teamid > 0) {
        showRoster(getTeamRoster(m_state, m_dialogs, teamid));
    }
}

void MainViewPage::toggleRoster() {
    // The grid takes the room the roster gives up; the layout does the widening.
    if (!frm_roster->isHidden()) {
        frm_roster->hide();
        cmd_show_roster->setText(QStringLiteral("<--hide"));
    } else {
        frm_roster->show();
        cmd_show_roster->setText(QStringLiteral("expand-->"));
    }
}

}  // namespace quorvane::gui
