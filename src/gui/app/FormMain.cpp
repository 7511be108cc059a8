// SPDX-License-Identifier: MIT
#include "gui/app/FormMain.h"
#include "gui/widgets/NamedWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "advicedata/RoomAdvice.h"
#include "app/HelpPages.h"
#include "app/PlayerPages.h"
#include "app/ProgramState.h"
#include "app/ServiceEndpoints.h"
#include "app/UserDialogs.h"
#include "app/Version.h"
#include "gui/app/DatabaseWatcher.h"
#include "gui/app/FormAboutUs.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/LoadedWindows.h"
#include "gui/app/PracticeSession.h"
#include "gui/app/WindowMemory.h"
#include "gui/draftconfig/FormNewDraft.h"
#include "gui/draftconfig/FormOpenDraft.h"
#include "gui/draftconfig/FormSetup.h"
#include "gui/follow/FormFollowDraft.h"
#include "gui/projections/FormEditProjections.h"
#include "gui/projections/FormFindProjections.h"
#include "gui/projections/FormImportTable.h"
#include "gui/room/DraftBoardPage.h"
#include "gui/room/DraftNotesPanel.h"
#include "gui/room/FormAddKeepers.h"
#include "gui/room/FormAddPlayer.h"
#include "gui/room/FormExportDir.h"
#include "gui/room/FormMovePlayer.h"
#include "gui/room/FormNewPlayer.h"
#include "gui/room/MainViewPage.h"
#include "gui/room/PlayerSearchBar.h"
#include "gui/room/QuickPickBox.h"
#include "gui/room/ResearchPage.h"
#include "gui/valuation/StandingsPage.h"
#include "gui/valuation/TargetsPage.h"
#include "gui/widgets/WebPane.h"
#include "room/LiveRoom.h"
#include "room/RefreshMain.h"
#include "room/TurnNews.h"
#include "room/Turns.h"

namespace quorvane::gui {

namespace {

struct TabDefinition {
    const char* caption;
    const char* pageName;
};

constexpr std::array<TabDefinition, FormMain::kTabCount> kTabs = {
    {{"Main View", "tab_main"},
     {"Player Research", "tab_research"},
     {"Projected Standings", "tab_standings"},
     {"Category Targets", "tab_targets"},
     {"Draft Board", "tab_board"}}};

constexpr int kSidePaneWidth = 300;

QAction* addMenuItem(QMenu* menu, const char* name, const char* caption, bool enabled = true) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QString productName() {
    return QString::fromUtf8(kProductName.data(), static_cast<qsizetype>(kProductName.size()));
}

}  // namespace

FormMain::FormMain(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("form_main"));
    // The room is where the user drafts: its players carry the advice for his team.
    m_state.showAdvice = true;
    // The product's name already ends in "Draft".
    setWindowTitle(productName() + QStringLiteral(" Software"));
    buildMenus();

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    m_splitter = makeNamed<QSplitter>("splitter_main", Qt::Horizontal, central);
    auto* roomHost = new QWidget(m_splitter);
    auto* room = new QVBoxLayout(roomHost);
    room->setContentsMargins(0, 0, 0, 0);
    m_search = new PlayerSearchBar(m_state, roomHost);
    room->addWidget(m_search);
    auto* clockRow = new QHBoxLayout;
    m_clock = makeNamed<QLabel>("lbl_clock", roomHost);
    QFont clockFont = m_clock->font();
    clockFont.setBold(true);
    clockFont.setPointSizeF(clockFont.pointSizeF() * 1.25);
    m_clock->setFont(clockFont);
    // A long banner wraps rather than widening the window.
    m_clock->setWordWrap(true);
    m_clock->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_clock->setMinimumHeight(m_clock->fontMetrics().height() + 4);
    m_quickPick = new QuickPickBox(m_state, roomHost);
    clockRow->addWidget(m_clock, 1);
    clockRow->addWidget(m_quickPick);
    room->addLayout(clockRow);
    room->addWidget(buildTabs(), 1);

    m_sidePane = new QWidget(m_splitter);
    m_sidePane->setObjectName(QStringLiteral("side_pane"));
    auto* side = new QVBoxLayout(m_sidePane);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(buildDraftInfo());
    m_notes = new DraftNotesPanel(m_state, m_dialogs, m_sidePane);
    side->addWidget(m_notes, 1);
    side->addWidget(buildWebPane(), 1);
    m_sidePane->setMinimumWidth(180);
    m_splitter->addWidget(roomHost);
    m_splitter->addWidget(m_sidePane);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, true);
    m_splitter->setSizes({980, kSidePaneWidth});
    columns->addWidget(m_splitter);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("status_bar"));
    buildValuationPages();
    buildRoomPages();
    installShortcuts();

    const QByteArray splitter =
        userSettings().value(QStringLiteral("window/splitter")).toByteArray();
    if (!splitter.isEmpty()) {
        m_splitter->restoreState(splitter);
    }
    restoreWindowPlace(*this);
    followOtherPrograms();
}

void FormMain::followOtherPrograms() {
    auto* watcher = new DatabaseWatcher(m_state, m_dialogs, this);
    watcher->setObjectName(QStringLiteral("database_watcher"));
    connect(watcher, &DatabaseWatcher::playersChangedElsewhere, this, &FormMain::fillSearchList);
    connect(watcher, &DatabaseWatcher::changedElsewhere, this, &FormMain::refreshEverything);
    watcher->start();
}

FormMain::~FormMain() = default;

void FormMain::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = addMenu(bar, "mnuFile", "File");
    connect(addMenuItem(file, "mnuNewDraft", "New Draft"), &QAction::triggered, this,
            &FormMain::openNewDraft);
    connect(addMenuItem(file, "mnuOpenDraft", "Open Draft"), &QAction::triggered, this,
            &FormMain::openOpenDraft);
    file->addSeparator();
    connect(addMenuItem(file, "mnuExit", "Exit"), &QAction::triggered, this, &FormMain::close);

    // Nothing to edit until a draft is open.
    m_editMenu = addMenu(bar, "mnuEdit", "Edit");
    m_editMenu->setEnabled(false);
    m_editMenu->menuAction()->setEnabled(false);
    connect(addMenuItem(m_editMenu, "mnuEditDraftSettings", "Draft Settings"), &QAction::triggered,
            this, &FormMain::openDraftSettings);

    // Following an online room needs an open draft, as editing does.
    m_draftMenu = addMenu(bar, "mnuDraft", "Draft");
    m_draftMenu->setEnabled(false);
    m_draftMenu->menuAction()->setEnabled(false);
    connect(addMenuItem(m_draftMenu, "mnuFollowOnlineDraft", "Follow Online Draft\u2026"),
            &QAction::triggered, this, &FormMain::openFollowDraft);
    m_draftMenu->addSeparator();
    m_practice = new PracticeSession(m_state, m_dialogs, *this, this);
    connect(addMenuItem(m_draftMenu, "mnuPracticeDraft", "Practice Draft\u2026"),
            &QAction::triggered, m_practice, &PracticeSession::startNew);
    m_restartPractice = addMenuItem(m_draftMenu, "mnuRestartPractice", "Restart");
    m_backToDraft = addMenuItem(m_draftMenu, "mnuBackToDraft", "Back to Draft");
    m_restartPractice->setVisible(false);
    m_backToDraft->setVisible(false);
    connect(m_restartPractice, &QAction::triggered, m_practice, &PracticeSession::restart);
    connect(m_backToDraft, &QAction::triggered, m_practice, &PracticeSession::backToDraft);
    connect(m_practice, &PracticeSession::practiceShown, this,
            [this](bool practice, const QString& source) {
                m_restartPractice->setVisible(practice);
                m_backToDraft->setVisible(practice);
                m_backToDraft->setText(QStringLiteral("Back to %1").arg(source));
            });
    // The bots write through a connection of their own: the watcher reloads the draft before
    // the room is rebuilt, as for the follower's picks.
    connect(m_practice, &PracticeSession::roomChanged, this, [this] {
        if (auto* watcher = findChild<DatabaseWatcher*>(QStringLiteral("database_watcher"))) {
            watcher->check();
        }
    });

    QMenu* players = addMenu(bar, "mnuPlayers", "Players");
    connect(addMenuItem(players, "mnuAddPlayer", "Add Player"), &QAction::triggered, this,
            &FormMain::openCustomPlayer);
    connect(addMenuItem(players, "mnuKeepers", "Add Keepers"), &QAction::triggered, this,
            &FormMain::openKeepers);

    QMenu* projections = addMenu(bar, "mnuProjections", "Projections");
    connect(addMenuItem(projections, "mnuUpdateProjections", "Update Projections"),
            &QAction::triggered, this, &FormMain::openFindProjections);
    connect(addMenuItem(projections, "mnu_edit_projections", "Edit Projections"),
            &QAction::triggered, this, &FormMain::openEditProjections);
    connect(addMenuItem(projections, "mnuImportTable", "Import Projection Table..."),
            &QAction::triggered, this, &FormMain::openImportTable);

    QMenu* exports = addMenu(bar, "mnuExport", "Export");
    connect(addMenuItem(exports, "mnuExRosters", "Rosters"), &QAction::triggered, this,
            [this] { openExport("roster"); });
    connect(addMenuItem(exports, "mnuExDraft", "Draft/Auction Results"), &QAction::triggered, this,
            [this] { openExport("draft"); });
    connect(addMenuItem(exports, "mnuExHitProjections", "Player Projections"), &QAction::triggered,
            this, [this] { openExport("hprojections"); });

    QMenu* help = addMenu(bar, "mnuHelp", "Help");
    connect(addMenuItem(help, "mnuHelpTopics", "Help Topics"), &QAction::triggered, this,
            [this] { showHelp(HelpPage::Topics); });
    connect(addMenuItem(help, "mnuAbout", "About"), &QAction::triggered, this,
            &FormMain::openAbout);
}

QWidget* FormMain::buildTabs() {
    m_tabs = makeNamed<QTabWidget>("SSTab1", this);
    for (std::size_t index = 0; index < kTabs.size(); ++index) {
        auto* host = new QWidget(m_tabs);
        auto* layout = new QVBoxLayout(host);
        if (index == kMainView) {
            auto* strip = new QHBoxLayout;
            m_updateDollars =
                makeNamed<QPushButton>("cmd_updateDollars", QStringLiteral("Update $"), host);
            m_showInflation =
                makeNamed<QCheckBox>("ck_original", QStringLiteral("Show Inflation"), host);
            strip->addWidget(m_updateDollars);
            strip->addWidget(m_showInflation);
            strip->addStretch(1);
            layout->addLayout(strip);
            // Auction controls appear once an auction is open.
            m_updateDollars->setVisible(false);
            m_showInflation->setVisible(false);
            connect(m_showInflation, &QCheckBox::toggled, this, [this](bool checked) {
                m_state.showInflation = checked;
                refreshEverything();
            });
            // The refresh recomputes the dollar values of an auction itself.
            connect(m_updateDollars, &QPushButton::clicked, this, &FormMain::refreshMain);
        }
        auto* page = new QWidget(host);
        page->setObjectName(QString::fromLatin1(kTabs[index].pageName));
        layout->addWidget(page, 1);
        m_tabHosts[index] = layout;
        m_tabPages[index] = page;
        m_tabs->addTab(host, QString::fromUtf8(kTabs[index].caption));
    }
    return m_tabs;
}

QWidget* FormMain::buildDraftInfo() {
    auto* frame = new QGroupBox(QStringLiteral("Draft Info"), this);
    frame->setObjectName(QStringLiteral("frame_info"));
    auto* layout = new QVBoxLayout(frame);

    m_templateName = makeNamed<QLabel>("lbl_template", frame);
    QFont nameFont = m_templateName->font();
    nameFont.setBold(true);
    m_templateName->setFont(nameFont);
    m_templateName->setWordWrap(true);
    layout->addWidget(m_templateName);

    m_moneyArea = new QVBoxLayout;
    m_moneyArea->setSpacing(2);
    layout->addLayout(m_moneyArea);

    m_draftComplete = makeNamed<QLabel>("lbl_draftcomplete", "The draft is complete.", frame);
    m_draftComplete->setFont(nameFont);
    m_draftComplete->setVisible(false);
    layout->addWidget(m_draftComplete);

    auto* turnButtons = new QHBoxLayout;
    m_skip = makeNamed<QPushButton>("cmd_skip", QStringLiteral("Skip Pick"), frame);
    m_undoPick = makeNamed<QPushButton>("cmd_undopick", QStringLiteral("Undo Last Pick"), frame);
    // Nothing to skip or undo until a draft is open.
    m_skip->setEnabled(false);
    m_undoPick->setEnabled(false);
    m_skip->setToolTip(QStringLiteral("Ctrl+Shift+S"));
    m_undoPick->setToolTip(QStringLiteral("Ctrl+Z"));
    connect(m_skip, &QPushButton::clicked, this, &FormMain::skipPick);
    connect(m_undoPick, &QPushButton::clicked, this, &FormMain::undoPick);
    turnButtons->addWidget(m_skip);
    turnButtons->addWidget(m_undoPick);
    layout->addLayout(turnButtons);
    return frame;
}

QWidget* FormMain::buildWebPane() {
    // Start-up shows the help topics in it once the window is up.
    m_webPane = new WebPane(m_state, this);
    return m_webPane;
}

void FormMain::buildValuationPages() {
    auto* standings = new StandingsPage(m_state, m_dialogs);
    connect(standings, &StandingsPage::helpRequested, this, &FormMain::showHelpPath);
    if (auto* reserves = standings->findChild<QCheckBox*>(QStringLiteral("chk_reserves"))) {
        connect(reserves, &QCheckBox::toggled, this, &FormMain::refreshEverything);
    }
    setTabPage(kProjectedStandings, standings);
    m_standings = standings;
    m_targets = new TargetsPage(m_state, m_dialogs);
    connect(m_targets, &TargetsPage::helpRequested, this, &FormMain::showHelpPath);
    // Queued: the refresh may rebuild the targets panel, punt box and all.
    connect(m_targets, &TargetsPage::puntsChanged, this, &FormMain::refreshEverything,
            Qt::QueuedConnection);
    setTabPage(kCategoryTargets, m_targets);
}

void FormMain::showHelpPath(const QString& servicePath) {
    for (const HelpPageEntry& entry : helpPageEntries()) {
        if (servicePath.toStdString() == entry.servicePath) {
            showHelp(entry.page);
            return;
        }
    }
}

void FormMain::showHelp(HelpPage page) {
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow(m_state, this);
    }
    m_helpWindow->showHelp(page);
}

void FormMain::installShortcuts() {
    const auto add = [this](const QKeySequence& keys, const char* name, auto action) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setObjectName(QString::fromLatin1(name));
        connect(shortcut, &QShortcut::activated, this, action);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_K), "key_quickpick", [this] { m_quickPick->focusBox(); });
    add(QKeySequence(Qt::Key_Slash), "key_quickpick_slash", [this] { m_quickPick->focusBox(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Z), "key_undo", &FormMain::undoPick);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "key_skip", &FormMain::skipPick);
    add(QKeySequence(Qt::Key_F5), "key_refresh", &FormMain::refreshEverything);
    add(QKeySequence(Qt::CTRL | Qt::Key_Backslash), "key_sidepane", &FormMain::toggleSidePane);
    add(QKeySequence(Qt::CTRL | Qt::Key_B), "key_board",
        [this] { m_tabs->setCurrentIndex(kDraftBoard); });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), "key_presentation", [this] {
        m_tabs->setCurrentIndex(kDraftBoard);
        if (m_board) {
            m_board->togglePresentation();
        }
    });
    auto* searchBox = m_search->findChild<QComboBox*>();
    for (QWidget* box :
         {static_cast<QWidget*>(searchBox), static_cast<QWidget*>(searchBox->lineEdit()),
          static_cast<QWidget*>(m_quickPick->findChild<QLineEdit*>())}) {
        box->installEventFilter(this);
    }
    for (int tab = 0; tab < kTabCount; ++tab) {
        add(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + tab)), "key_tab",
            [this, tab] { m_tabs->setCurrentIndex(tab); });
    }
}

// A text box takes Ctrl+Z for its own undo; one with nothing to undo lets it undo the pick.
bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // The search box's own combo box hands its keys to its line edit.
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (auto* combo = qobject_cast<QComboBox*>(watched)) {
            edit = combo->lineEdit();
        }
        if (edit != nullptr && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo) &&
            !edit->isUndoAvailable()) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormMain::toggleSidePane() {
    const QList<int> sizes = m_splitter->sizes();
    if (sizes.size() < 2) {
        return;
    }
    if (sizes[1] > 0) {
        m_sideSizes = sizes;
        m_splitter->setSizes({sizes[0] + sizes[1], 0});
    } else {
        const int total = sizes[0];
        const int side =
            m_sideSizes.size() == 2 && m_sideSizes[1] > 0 ? m_sideSizes[1] : kSidePaneWidth;
        m_splitter->setSizes({std::max(total - side, 0), side});
    }
}

void FormMain::closeEvent(QCloseEvent* event) {
    saveWindowPlace(*this);
    userSettings().setValue(QStringLiteral("window/splitter"), m_splitter->saveState());
    if (m_viewTemplateId != 0) {
        saveDraftView(m_state, m_viewTemplateId);
    }
    QMainWindow::closeEvent(event);
}

void FormMain::setTabPage(int index, QWidget* page) {
    if (index < 0 || index >= static_cast<int>(m_tabPages.size()) || page == nullptr) {
        return;
    }
    const auto slot = static_cast<std::size_t>(index);
    QWidget* old = m_tabPages[slot];
    if (old == page) {
        return;
    }
    m_tabHosts[slot]->replaceWidget(old, page);
    m_tabHosts[slot]->setStretchFactor(page, 1);
    page->setParent(m_tabHosts[slot]->parentWidget());
    page->show();
    m_tabPages[slot] = page;
    delete old;
}

QWidget* FormMain::tabPage(int index) const {
    if (index < 0 || index >= static_cast<int>(m_tabPages.size())) {
        return nullptr;
    }
    return m_tabPages[static_cast<std::size_t>(index)];
}

void FormMain::selectFirstTab() {
    m_tabs->setCurrentIndex(kMainView);
}

void FormMain::refreshMain() {
    refreshEverything();
}

void FormMain::refreshEverything() {
    refreshLive(RoomChange::Anything);
}

void FormMain::refreshLive(RoomChange change) {
    if (!m_state.draftSettings) {
        return;
    }
    switchDraftView();
    enableActionButtons(false);
    showLive(refreshLiveRoom(m_state, m_dialogs, change));
    enableActionButtons(true);
    if (m_practice) {
        m_practice->roomShown();
    }
}

// A draft opened for the first time, or again, brings back its own filter, sort and figures.
void FormMain::switchDraftView() {
    const int templateId = m_state.draftSettings->template_id;
    if (templateId == m_viewTemplateId) {
        saveDraftView(m_state, templateId);
        return;
    }
    if (m_viewTemplateId != 0) {
        saveDraftView(m_state, m_viewTemplateId);
    }
    loadDraftView(m_state, templateId);
    m_viewTemplateId = templateId;
    if (m_mainView) {
        m_mainView->showViewState();
    }
}

void FormMain::showLive(const LiveRoom& live) {
    showRefreshed(live.room);
    if (live.standings && m_standings) {
        m_standings->showStandings(*live.standings);
    }
    if (live.targets && m_targets) {
        m_targets->showLiveRows(*live.targets);
    }
    if (live.board && m_board) {
        m_board->showBoard(*live.board);
    }
    m_clock->setText(QString::fromStdString(live.banner));
    m_search->reloadPlayers();
    m_quickPick->reload();
    if (const int shown = m_webPane->cardPlayer(); shown > 0) {
        m_webPane->replacePlayerCard(playerCardHtml(shown));
    }
}

std::string FormMain::playerCardHtml(int playerId) {
    const std::optional<PlayerAdviceCard> card = playerAdviceCard(m_state, m_dialogs, playerId);
    return card ? playerAdviceCardHtml(*card) : std::string();
}

void FormMain::showRefreshed(const RoomView& view) {
    const DraftSettings& draft = *m_state.draftSettings;
    // A draft whose settings could not be read keeps the name shown before.
    if (!draft.template_name.empty()) {
        m_templateName->setText(QString::fromStdString(draft.template_name));
    }
    m_editMenu->setEnabled(true);
    m_editMenu->menuAction()->setEnabled(true);
    m_draftMenu->setEnabled(true);
    m_draftMenu->menuAction()->setEnabled(true);
    // An auction has no turn to skip.
    m_skip->setEnabled(draft.drafttype != kDraftTypeAuction);
    m_undoPick->setEnabled(true);
    showRoom(view);
    // An auction's money changes with every pick, without a standings run.
    if (m_standings) {
        m_standings->refreshMoneyChart();
    }
}

// What an operation rebuilt is shown with everything else refreshed, values included. The
// roster stays on the team the user was looking at, as after a pick it always has.
void FormMain::showRoomView(const RoomView& view) {
    (void)view;
    const int shownTeam = rosterTeamId();
    refreshLive(RoomChange::PicksOnly);
    if (m_mainView && shownTeam > 0) {
        m_mainView->showTeam(shownTeam);
    }
}

void FormMain::showRoom(const RoomView& view) {
    if (view.money) {
        showMoney(*view.money);
    }
    m_draftComplete->setVisible(view.draftComplete);
    m_updateDollars->setVisible(view.showAuctionControls);
    m_showInflation->setVisible(view.showAuctionControls);
    if (view.draftLog) {
        m_notes->showDraftLog(*view.draftLog);
    }
    if (view.draftNotes) {
        m_notes->showNotes(*view.draftNotes);
    }
    if (!m_mainView) {
        return;
    }
    if (view.availablePlayers) {
        m_mainView->showAvailablePlayers(*view.availablePlayers);
    }
    const int onTheClock = teamOnTheClock(m_state);
    if (view.teamSelector) {
        m_mainView->showTeamSelector(*view.teamSelector, onTheClock);
    }
    if (view.roster) {
        // In an auction no team holds the turn; the selector's team is shown instead of none.
        const int selected = rosterTeamId();
        if (onTheClock == 0 && view.teamSelector && selected > 0) {
            m_mainView->showRoster(getTeamRoster(m_state, m_dialogs, selected));
        } else {
            m_mainView->showRoster(*view.roster);
        }
    }
}

int FormMain::rosterTeamId() const {
    return m_mainView ? m_mainView->rosterTeamId() : 0;
}

void FormMain::showMoney(const std::vector<MoneyLine>& lines) {
    while (QLayoutItem* item = m_moneyArea->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    QWidget* frame = m_moneyArea->parentWidget();
    for (const MoneyLine& line : lines) {
        auto* label = new QLabel(QString::fromStdString(line.caption), frame);
        label->setObjectName(QStringLiteral("lbl_owner"));
        QFont font = label->font();
        font.setBold(line.bold);
        label->setFont(font);
        m_moneyArea->addWidget(label);
    }
}

void FormMain::skipPick() {
    if (!m_state.hasDraft() || m_state.draftSettings->drafttype == kDraftTypeAuction) {
        return;
    }
    enableActionButtons(false);
    if (auto change = skipTurnTold(m_state, m_dialogs)) {
        showLive(completeLiveRoom(m_state, m_dialogs, std::move(change->view)));
        statusBar()->showMessage(QString::fromStdString(change->news));
    }
    enableActionButtons(true);
}

void FormMain::undoPick() {
    if (!m_state.hasDraft()) {
        return;
    }
    enableActionButtons(false);
    if (auto change = undoLastPickTold(m_state, m_dialogs)) {
        showLive(completeLiveRoom(m_state, m_dialogs, std::move(change->view)));
        statusBar()->showMessage(QString::fromStdString(change->news));
    }
    enableActionButtons(true);
}

void FormMain::showUpdateDollars(bool visible) {
    m_updateDollars->setVisible(visible);
}

void FormMain::resetResearchGrid() {
    if (m_research) {
        m_research->reset();
    }
}

void FormMain::buildRoomPages() {
    m_mainView = new MainViewPage(m_state, m_dialogs);
    connect(m_mainView, &MainViewPage::addPlayerRequested, this, &FormMain::openAddPlayer);
    connect(m_mainView, &MainViewPage::movePlayerRequested, this, &FormMain::openMovePlayer);
    connect(m_mainView, &MainViewPage::playerPageRequested, this, &FormMain::showPlayerPage);
    connect(m_mainView, &MainViewPage::helpRequested, this, [this] { showHelp(HelpPage::Main); });
    setTabPage(kMainView, m_mainView);

    m_research = new ResearchPage(m_state);
    connect(m_research, &ResearchPage::addPlayerRequested, this, &FormMain::openAddPlayer);
    connect(m_research, &ResearchPage::playerPageRequested, this, &FormMain::showPlayerPage);
    connect(m_research, &ResearchPage::helpRequested, this,
            [this] { showHelp(HelpPage::Research); });
    setTabPage(kPlayerResearch, m_research);

    m_board = new DraftBoardPage(m_dialogs);
    setTabPage(kDraftBoard, m_board);
    connect(m_quickPick, &QuickPickBox::playerChosen, this, &FormMain::pickPlayer);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == kPlayerResearch && m_research && m_state.hasDraft()) {
            m_research->fillResearchGrid();
        }
    });

    connect(m_search, &PlayerSearchBar::addPlayerRequested, this, &FormMain::openAddPlayer);
    connect(m_search, &PlayerSearchBar::customPlayerRequested, this, &FormMain::openCustomPlayer);
    connect(m_search, &PlayerSearchBar::playerPageRequested, this, &FormMain::showPlayerPage);
}

void FormMain::fillSearchList() {
    m_search->fillSearchList();
}

void FormMain::showPlayerPage(int playerId) {
    m_webPane->showPlayerPage(playerId, playerCardHtml(playerId));
}

void FormMain::openAddPlayer(int playerId) {
    if (!m_state.draftSettings) {
        return;
    }
    FormAddPlayer window(m_state, m_dialogs, *this, playerId, this);
    if (window.exec() == QDialog::Accepted) {
        m_quickPick->clearBox();
        m_search->clearSearch();
    }
}

DraftBoardPage* FormMain::boardPage() const {
    return m_board;
}

HelpWindow* FormMain::helpWindow() const {
    return m_helpWindow;
}

void FormMain::pickPlayer(int playerId) {
    openAddPlayer(playerId);
}

void FormMain::openMovePlayer(int playerId) {
    if (!m_state.draftSettings) {
        return;
    }
    FormMovePlayer window(m_state, m_dialogs, *this, playerId, this);
    window.exec();
}

void FormMain::openCustomPlayer() {
    FormNewPlayer window(m_state, m_dialogs, *this, this);
    window.exec();
}

// Not modal: the draft goes on in this window while the room is followed.
void FormMain::openFollowDraft() {
    if (!m_state.draftSettings) {
        return;
    }
    if (!m_follow) {
        m_follow = new FormFollowDraft(m_state, m_dialogs, this);
        // The follower writes through a connection of its own: the watcher reloads the draft
        // before the room is rebuilt, as for any other program's pick, only at once.
        connect(m_follow, &FormFollowDraft::roomChanged, this, [this] {
            if (auto* watcher = findChild<DatabaseWatcher*>(QStringLiteral("database_watcher"))) {
                watcher->check();
            }
        });
    }
    m_follow->show();
    m_follow->raise();
    m_follow->activateWindow();
}

void FormMain::openKeepers() {
    if (!m_state.draftSettings) {
        return;
    }
    FormAddKeepers window(m_state, m_dialogs, *this, this);
    window.exec();
}

void FormMain::openExport(const std::string& kind) {
    if (!m_state.draftSettings) {
        return;
    }
    FormExportDir window(m_state, m_dialogs, *this, kind, this);
    window.exec();
}

void FormMain::openNewDraft() {
    FormNewDraft window(m_state, m_dialogs, *this, this);
    window.exec();
}

void FormMain::openOpenDraft() {
    FormOpenDraft window(m_state, m_dialogs, *this, this);
    window.exec();
}

void FormMain::openDraftSettings() {
    FormSetup window(m_state, m_dialogs, *this, this);
    window.exec();
}

void FormMain::openFindProjections() {
    FormFindProjections window(m_state, m_dialogs, this);
    connect(&window, &FormFindProjections::refreshRequested, this, &FormMain::refreshMain);
    window.exec();
}

void FormMain::openEditProjections() {
    FormEditProjections window(m_state, m_dialogs, this);
    connect(&window, &FormEditProjections::refreshRequested, this, &FormMain::refreshMain);
    window.exec();
}

void FormMain::openImportTable() {
    FormImportTable window(m_state, m_dialogs, this);
    connect(&window, &FormImportTable::refreshRequested, this, &FormMain::refreshMain);
    window.exec();
}

void FormMain::openAbout() {
    FormAboutUs window(m_state, this);
    window.exec();
}

}  // namespace quorvane::gui
