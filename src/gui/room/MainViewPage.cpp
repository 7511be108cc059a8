// SPDX-License-Identifier: MIT
#include "gui/room/MainViewPage.h"
#include "gui/widgets/NamedWidget.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <string>

#include "availability/AvailabilityColumns.h"
#include "gui/app/WindowMemory.h"
#include "gui/models/GridTableModel.h"
#include "gui/room/AvailabilityRunner.h"
#include "gui/room/GridViews.h"
#include "gui/room/PlayerFlagMenu.h"
#include "gui/room/PuntPlanPanel.h"
#include "gui/widgets/ElidingDelegate.h"
#include "gui/widgets/TeamChoiceBox.h"
#include "hscores/HScoreColumns.h"
#include "model/DraftModelLoader.h"
#include "platform/ServiceEndpoints.h"
#include "room/AdviceColumns.h"
#include "room/PlayerLists.h"
#include "room/PlayerMarks.h"
#include "room/RefreshMain.h"
#include "room/Rosters.h"
#include "session/DraftModelConversation.h"
#include "session/MarkConversation.h"
#include "session/ProgramState.h"
#include "session/RoomRefresh.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"
#include "vocabulary/GridTable.h"

namespace quorvane::gui {

namespace {

// Captions of the position buttons, in the order of the position filters.
constexpr std::array<const char*, kPositionButtons> kPositionCaptions = {"All", "G", "PG", "F",
                                                                         "PF",  "C", "SG", "SF"};

constexpr int kRosterFrameWidth = 300;
constexpr int kRosterFrameMinimumWidth = 220;
// A long name gives way to the figures beside it; the delegate shortens it to fit.
constexpr int kWidestNameColumn = 150;

// Columns core keeps for itself.
bool coreColumn(const std::string& heading) {
    return heading == "playerid" || heading == "flag";
}

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

// What a draft room user reads first: who, for whom and where he plays, his value and what he
// adds to the user's team; the statistics follow.
QStringList defaultColumnOrder(const GridTable& table) {
    QStringList order = {QStringLiteral("Name"), QStringLiteral("Team"), QStringLiteral("Pos")};
    for (const char* value : {"$", "RK", "FPTS"}) {
        if (table.columnIndex(value) >= 0) {
            order << QString::fromLatin1(value);
        }
    }
    // A head-to-head league's H stands beside the G its Z column holds.
    for (const char* advice : {"Gain", "VONA", "Z", kHScoreHeading, "Z$"}) {
        order << QString::fromLatin1(advice);
    }
    for (const std::string& availability : availabilityHeadings()) {
        order << QString::fromStdString(availability);
    }
    return order;
}

QString settingsKey(const char* what) {
    return QStringLiteral("columns/dg_freeagents/%1").arg(QLatin1String(what));
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
    m_puntPlan = new PuntPlanPanel(this);
    connect(m_puntPlan, &PuntPlanPanel::finished, this, &MainViewPage::showAvailabilityFigures);
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
    layout->setContentsMargins(4, 4, 4, 4);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    std::vector<QAbstractButton*> positionGroup;
    for (int index = 0; index < kPositionButtons; ++index) {
        auto* button =
            new QPushButton(QString::fromLatin1(kPositionCaptions[index]), frm_freeagents);
        button->setObjectName(QStringLiteral("cmd_pos_%1").arg(index));
        button->setMinimumWidth(28);
        button->setMaximumWidth(44);
        connect(button, &QPushButton::clicked, this, [this, index] { pressPositionButton(index); });
        cmd_pos[static_cast<std::size_t>(index)] = button;
        positionGroup.push_back(button);
        buttons->addWidget(button);
    }
    highlightButton(positionGroup, 0);
    buttons->addSpacing(8);
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
    caption->setToolTip(
        tr("Keyboard: Enter or Space opens the player's page, Ctrl+Enter picks "
           "him, W watches him, Ctrl+Shift+Down sorts by the current column"));
    layout->addWidget(caption);

    dg_freeagents =
        makeRoomGrid(QStringLiteral("dg_freeagents"), m_freeAgentsModel, frm_freeagents);
    // Double-click belongs to the pick, so a note is edited by typing over its cell.
    dg_freeagents->setEditTriggers(QAbstractItemView::SelectedClicked |
                                   QAbstractItemView::EditKeyPressed |
                                   QAbstractItemView::AnyKeyPressed);
    dg_freeagents->setContextMenuPolicy(Qt::CustomContextMenu);
    dg_freeagents->setTextElideMode(Qt::ElideMiddle);
    dg_freeagents->setItemDelegate(new ElidingDelegate(dg_freeagents));
    dg_freeagents->installEventFilter(this);
    QHeaderView* header = dg_freeagents->horizontalHeader();
    header->setSectionsMovable(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(dg_freeagents, 1);

    connect(header, &QHeaderView::sectionClicked, this, &MainViewPage::sortByHeading);
    connect(header, &QHeaderView::sectionMoved, this, [this] {
        if (!m_arranging) {
            saveColumns();
        }
    });
    connect(header, &QHeaderView::customContextMenuRequested, this, [this](const QPoint& pos) {
        QMenu menu(this);
        fillColumnsMenu(menu);
        menu.exec(dg_freeagents->horizontalHeader()->mapToGlobal(pos));
    });
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
    layout->setContentsMargins(4, 4, 4, 4);

    cmb_roster = makeNamed<TeamChoiceBox>("cmb_roster", frm_roster);
    cmb_roster->setToolTip(
        tr("Ctrl+R: type a team's name or number. The roster follows the team "
           "on the clock until you choose another team."));
    connect(cmb_roster, &QComboBox::activated, this, &MainViewPage::teamChosen);
    layout->addWidget(cmb_roster);

    auto* caption = new QLabel(
        QStringLiteral("Double-click on player to move to another team or pos."), frm_roster);
    caption->setWordWrap(true);
    layout->addWidget(caption);

    dg_roster = makeRoomGrid(QStringLiteral("dg_roster"), m_rosterModel, frm_roster);
    dg_roster->horizontalHeader()->setStretchLastSection(false);
    dg_roster->setTextElideMode(Qt::ElideMiddle);
    dg_roster->setItemDelegate(new ElidingDelegate(dg_roster));
    dg_roster->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    m_puntPlan->setParent(frm_roster);
    layout->addWidget(m_puntPlan);

    cmd_help_main = makeNamed<QPushButton>("cmd_help_main", QStringLiteral("Help"), frm_roster);
    cmd_help_main->setToolTip(QStringLiteral("F1"));
    connect(cmd_help_main, &QPushButton::clicked, this, &MainViewPage::helpRequested);
    auto* helpRow = new QHBoxLayout;
    helpRow->addStretch(1);
    helpRow->addWidget(cmd_help_main);
    layout->addLayout(helpRow);
    return frm_roster;
}

void MainViewPage::fillAvailablePlayers() {
    if (auto players = quorvane::fillAvailablePlayers(m_state, listShowing(m_state),
                                                      m_list.positionFilter, m_list.sortColumn)) {
        showAvailablePlayers(*players);
    }
}

void MainViewPage::showAvailablePlayers(const GridTable& players) {
    m_plainPlayers = players;
    const DraftModel* model =
        m_state.draftSettings() ? currentDraftModel(m_state, m_dialogs) : nullptr;
    // An auction has no turns to wait for.
    m_withAvailability = model != nullptr && !model->auction();
    if (m_withAvailability) {
        m_availabilityKey = availabilityKey(*model);
        m_availability->start(*model);
    }
    m_withHScores = model != nullptr && model->headToHead();
    if (model != nullptr) {
        m_puntPlan->start(*model);
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
    // The columns were fitted while the H-scores were still blank.
    growColumnToContents(dg_freeagents, m_freeAgentsModel->table().columnIndex(kHScoreHeading));
    if (row >= 0) {
        dg_freeagents->selectRow(row);
    }
    scroll->setValue(position);
}

// Figures of an older state of the room are not shown: the cells stay blank until the run for
// this one is done.
void MainViewPage::showPlayersWithAvailability() {
    GridTable shown = m_plainPlayers;
    if (m_withAvailability) {
        const AvailabilityShown* figures = m_availability->shown();
        addAvailabilityColumns(
            shown, figures != nullptr && figures->key == m_availabilityKey ? figures : nullptr);
    }
    if (m_withHScores) {
        addHScoreColumn(shown, m_puntPlan->current());
    }
    const bool newColumns = m_freeAgentsModel->table().headings != shown.headings;
    if (m_sortReversed) {
        std::reverse(shown.rows.begin(), shown.rows.end());
        std::reverse(shown.rowColours.begin(), shown.rowColours.end());
    }
    showGridTable(dg_freeagents, m_freeAgentsModel, std::move(shown));
    if (newColumns) {
        arrangeColumns();
    }
    // Sorted or scrolled another way, the rows in sight hold longer figures ("-43.13" where
    // "62.71" stood): their columns widen rather than cut them in the middle.
    growNumberColumnsToWidest(dg_freeagents, *m_freeAgentsModel);
    showSortIndicator();
    const int notes = m_freeAgentsModel->table().columnIndex("Notes");
    m_freeAgentsModel->setEditableColumns(notes >= 0 ? std::vector<int>{notes}
                                                     : std::vector<int>{});
}

void MainViewPage::arrangeColumns() {
    const GridTable& table = m_freeAgentsModel->table();
    QHeaderView* header = dg_freeagents->horizontalHeader();
    const QSettings settings = userSettings();
    QStringList order = settings.value(settingsKey("order")).toStringList();
    if (order.isEmpty()) {
        order = defaultColumnOrder(table);
    }
    m_arranging = true;
    int target = 0;
    for (const QString& heading : order) {
        const int column = table.columnIndex(heading.toStdString());
        // The hidden id column keeps its place; the flag column moves with the rest, so that it
        // comes back where the user last saw it.
        if (column < 0 || heading == QStringLiteral("playerid")) {
            continue;
        }
        header->moveSection(header->visualIndex(column), target++);
    }
    for (const QString& heading : settings.value(settingsKey("hidden")).toStringList()) {
        const int column = table.columnIndex(heading.toStdString());
        if (column >= 0 && heading != QStringLiteral("Name")) {
            dg_freeagents->setColumnHidden(column, true);
        }
    }
    if (const int name = table.columnIndex("Name");
        name >= 0 && dg_freeagents->columnWidth(name) > kWidestNameColumn) {
        dg_freeagents->setColumnWidth(name, kWidestNameColumn);
    }
    m_arranging = false;
}

void MainViewPage::saveColumns() const {
    const GridTable& table = m_freeAgentsModel->table();
    if (table.headings.empty()) {
        return;
    }
    const QHeaderView* header = dg_freeagents->horizontalHeader();
    QStringList order;
    QStringList hidden;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        const std::string& heading = table.headings[static_cast<std::size_t>(column)];
        const bool coreHidden = std::find(table.hiddenColumns.begin(), table.hiddenColumns.end(),
                                          column) != table.hiddenColumns.end();
        if (heading == "playerid" || coreHidden) {
            continue;
        }
        order << QString::fromStdString(heading);
        if (!coreColumn(heading) && header->isSectionHidden(column)) {
            hidden << QString::fromStdString(heading);
        }
    }
    QSettings settings = userSettings();
    settings.setValue(settingsKey("order"), order);
    settings.setValue(settingsKey("hidden"), hidden);
}

void MainViewPage::fillColumnsMenu(QMenu& menu) {
    menu.clear();
    const GridTable& table = m_freeAgentsModel->table();
    const QHeaderView* header = dg_freeagents->horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        const std::string& heading = table.headings[static_cast<std::size_t>(column)];
        const bool coreHidden = std::find(table.hiddenColumns.begin(), table.hiddenColumns.end(),
                                          column) != table.hiddenColumns.end();
        if (coreColumn(heading) || coreHidden || heading == "Name") {
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(heading));
        action->setCheckable(true);
        action->setChecked(!header->isSectionHidden(column));
        connect(action, &QAction::toggled, this,
                [this, column](bool shown) { setColumnShown(column, shown); });
    }
}

void MainViewPage::setColumnShown(int column, bool shown) {
    dg_freeagents->setColumnHidden(column, !shown);
    if (shown && dg_freeagents->columnWidth(column) == 0) {
        dg_freeagents->resizeColumnToContents(column);
    }
    saveColumns();
}

void MainViewPage::removeTakenPlayers(const std::unordered_set<int>& taken) {
    m_freeAgentsModel->removeRowsWhere([&taken](const std::vector<std::string>& cells) {
        return !cells.empty() && taken.count(std::atoi(cells.front().c_str())) > 0;
    });
}

void MainViewPage::showTeamSelector(const TeamSelector& selector) {
    bool same = cmb_roster->count() == static_cast<int>(selector.teams.size());
    for (int index = 0; same && index < cmb_roster->count(); ++index) {
        const TeamChoice& team = selector.teams[static_cast<std::size_t>(index)];
        same = cmb_roster->itemData(index).toInt() == team.teamid &&
               cmb_roster->itemText(index).toStdString() == team.teamname;
    }
    if (same) {
        return;
    }
    const QSignalBlocker blocker(cmb_roster);
    const int shown = rosterTeamId();
    cmb_roster->clear();
    for (const TeamChoice& team : selector.teams) {
        cmb_roster->addItem(QString::fromStdString(team.teamname), team.teamid);
    }
    const int again = cmb_roster->findData(shown);
    cmb_roster->setCurrentIndex(again >= 0 ? again : selector.selected);
    if (m_chosenTeam > 0 && cmb_roster->findData(m_chosenTeam) < 0) {
        m_chosenTeam = 0;
    }
}

void MainViewPage::followTeam(int teamid) {
    m_followedTeam = teamid;
    const int shown = m_chosenTeam > 0 ? m_chosenTeam : teamid;
    const int index = cmb_roster->findData(shown);
    if (index >= 0) {
        const QSignalBlocker blocker(cmb_roster);
        cmb_roster->setCurrentIndex(index);
    }
    frm_roster->setTitle(m_chosenTeam > 0 ? tr("Chosen team") : tr("Team on the clock"));
    showChosenRoster();
}

void MainViewPage::showRoster(const RosterGrid& roster) {
    GridTable table = rosterWithSlots(roster);
    // The frame is narrow: the name takes what the slot and pick leave, the player's NBA team
    // gives way (the player's page and the grid show it).
    if (const int team = table.columnIndex("Team"); team >= 0) {
        table.hiddenColumns.push_back(team);
    }
    showGridTable(dg_roster, m_rosterModel, std::move(table));
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
        teamChosen();
    }
}

void MainViewPage::focusTeamSelector() {
    if (frm_roster->isHidden()) {
        toggleRoster();
    }
    cmb_roster->setFocus(Qt::ShortcutFocusReason);
}

void MainViewPage::teamChosen() {
    const int teamid = rosterTeamId();
    m_chosenTeam = teamid == m_followedTeam ? 0 : teamid;
    frm_roster->setTitle(m_chosenTeam > 0 ? tr("Chosen team") : tr("Team on the clock"));
    showChosenRoster();
}

void MainViewPage::showViewState() {
    int pressed = 0;
    for (int index = 0; index < kPositionButtons; ++index) {
        if (positionName(index) == m_list.positionFilter) {
            pressed = index;
        }
    }
    highlightButton({cmd_pos.begin(), cmd_pos.end()}, pressed);
    highlightButton({cmd_stats[0], cmd_stats[1]}, m_state.statsMode == 0 ? 0 : 1);
    showSortIndicator();
}

// The arrow points the way the list runs: down from its first row when the column is sorted
// best first (the largest values, or names from A), up when the order is reversed. Qt draws the
// ascending indicator as the arrow pointing down.
void MainViewPage::showSortIndicator() {
    QHeaderView* header = dg_freeagents->horizontalHeader();
    header->setSortIndicatorShown(true);
    int column = m_list.sortColumn;
    // Without a chosen heading the list is in value order, the third column.
    if (column <= 0 || column >= m_freeAgentsModel->columnCount()) {
        column = 2;
    }
    if (column >= m_freeAgentsModel->columnCount()) {
        header->setSortIndicator(-1, Qt::AscendingOrder);
        return;
    }
    header->setSortIndicator(column, m_sortReversed ? Qt::DescendingOrder : Qt::AscendingOrder);
}

int MainViewPage::rosterTeamId() const {
    return cmb_roster->currentIndex() >= 0 ? cmb_roster->currentData().toInt() : 0;
}

int MainViewPage::currentPlayerId() const {
    const QModelIndex current = dg_freeagents->currentIndex();
    return current.isValid() ? playerIdOfRow(*m_freeAgentsModel, current.row()) : 0;
}

QString MainViewPage::playerName(int playerId) const {
    const GridTable& table = m_freeAgentsModel->table();
    const int name = table.columnIndex("Name");
    for (const auto& cells : table.rows) {
        if (name >= 0 && !cells.empty() && std::atoi(cells.front().c_str()) == playerId &&
            static_cast<std::size_t>(name) < cells.size()) {
            // The grid reads "Last, First".
            const QString text = QString::fromStdString(cells[static_cast<std::size_t>(name)]);
            const qsizetype comma = text.indexOf(QStringLiteral(", "));
            return comma < 0 ? text : text.mid(comma + 2) + QLatin1Char(' ') + text.left(comma);
        }
    }
    return QString::number(playerId);
}

void MainViewPage::pressPositionButton(int index) {
    highlightButton({cmd_pos.begin(), cmd_pos.end()}, index);
    selectPositionButton(m_list, index);
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
    m_list.sortColumn = column;
    m_sortReversed = false;
    fillAvailablePlayers();
}

void MainViewPage::sortByCurrentColumn(bool reversed) {
    const QModelIndex current = dg_freeagents->currentIndex();
    const int column = current.isValid() ? current.column() : m_list.sortColumn;
    m_list.sortColumn = column;
    m_sortReversed = reversed;
    fillAvailablePlayers();
    dg_freeagents->setFocus(Qt::ShortcutFocusReason);
    if (m_freeAgentsModel->rowCount() > 0) {
        dg_freeagents->setCurrentIndex(m_freeAgentsModel->index(0, std::max(column, 0)));
    }
}

void MainViewPage::clickFreeAgent(const QModelIndex& index) {
    const int id = playerIdOfRow(*m_freeAgentsModel, index.row());
    if (id > 0 && id < kFirstCustomPlayerId) {
        emit playerPageRequested(id);
    }
}

bool MainViewPage::eventFilter(QObject* watched, QEvent* event) {
    // Keys of a note being edited belong to its editor.
    if (watched == dg_freeagents && event->type() == QEvent::KeyPress &&
        dg_freeagents->hasFocus()) {
        const PlayerRowKey asked = playerRowKey(*static_cast<QKeyEvent*>(event));
        const int id = currentPlayerId();
        if (id > 0 && asked == PlayerRowKey::Pick) {
            emit addPlayerRequested(id);
            return true;
        }
        if (id > 0 && asked == PlayerRowKey::Page) {
            if (id < kFirstCustomPlayerId) {
                emit playerPageRequested(id);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainViewPage::openFlagMenu(int row, const QPoint& globalPos) {
    const std::vector<std::string>* cells = m_freeAgentsModel->rowAt(row);
    if (cells == nullptr || cells->size() < 2) {
        return;
    }
    m_menuRow = row;
    dg_freeagents->selectRow(row);
    m_flagMenu->tickFlag(QString::fromStdString((*cells)[1]).toInt());
    m_flagMenu->popup(globalPos);
}

void MainViewPage::applyFlag(int chosen) {
    const int row = m_menuRow;
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
    const int id = playerIdOfRow(*m_freeAgentsModel, row);
    if (id <= 0) {
        return;
    }
    if (const auto refusal = playerNoteRefusal(text.toStdString())) {
        m_dialogs.showMessage(refusal->title, refusal->text, refusal->icon);
        // The cell goes back to the note that is stored.
        const DraftModel* model = currentDraftModel(m_state, m_dialogs);
        const ModelPlayer* player = model != nullptr ? model->findPlayer(id) : nullptr;
        m_freeAgentsModel->setCellText(row, column,
                                       player != nullptr ? player->notes.value_or("") : "");
        return;
    }
    savePlayerNote(m_state, id, text.toStdString());
}

void MainViewPage::showChosenRoster() {
    if (const int teamid = rosterTeamId(); teamid > 0) {
        const RosterRead read = getTeamRoster(m_state, teamid);
        if (read.failure) {
            showMessage(m_dialogs, *read.failure);
        }
        showRoster(read.grid);
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
