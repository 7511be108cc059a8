// SPDX-License-Identifier: MIT
#include "gui/app/FormMain.h"
#include "gui/widgets/NamedWidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/app/DatabaseWatcher.h"
#include "gui/app/FormAboutUs.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/PracticeBidBar.h"
#include "gui/app/PracticeSession.h"
#include "gui/app/SidePane.h"
#include "gui/app/UndoKeyFilter.h"
#include "gui/app/WindowMemory.h"
#include "gui/draftconfig/FormNewDraft.h"
#include "gui/draftconfig/FormOpenDraft.h"
#include "gui/draftconfig/FormSetup.h"
#include "gui/night/FormHostNight.h"
#include "gui/online/FormFollowDraft.h"
#include "gui/projections/FormEditProjections.h"
#include "gui/projections/FormFindProjections.h"
#include "gui/projections/FormImportTable.h"
#include "gui/room/DraftBoardPage.h"
#include "gui/room/FormAddKeepers.h"
#include "gui/room/FormAddPlayer.h"
#include "gui/room/FormExportDir.h"
#include "gui/room/FormMovePlayer.h"
#include "gui/room/FormNewPlayer.h"
#include "gui/room/MainViewPage.h"
#include "gui/room/MyTeamPanel.h"
#include "gui/room/PlayerSearchBar.h"
#include "gui/room/QuickPickBox.h"
#include "gui/room/ResearchPage.h"
#include "gui/valuation/StandingsPage.h"
#include "gui/valuation/TargetsPage.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/WebPane.h"
#include "platform/HelpPages.h"
#include "platform/Version.h"
#include "room/RefreshMain.h"
#include "session/ProgramState.h"
#include "session/RoomRefresh.h"
#include "session/UserDialogs.h"

namespace quorvane::gui {

namespace {

struct TabDefinition {
    const char* caption;
    const char* pageName;
};

constexpr std::array<TabDefinition, FormMain::kTabCount> kTabs = {
    {{"&Main View", "tab_main"},
     {"Player &Research", "tab_research"},
     {"Projected &Standings", "tab_standings"},
     {"Category &Targets", "tab_targets"},
     {"Draft &Board", "tab_board"}}};

// The help page of each tab, in tab order.
constexpr std::array<HelpPage, FormMain::kTabCount> kTabHelp = {
    HelpPage::Main, HelpPage::Research, HelpPage::Standings, HelpPage::Targets, HelpPage::Board};

constexpr int kSidePaneWidth = 270;

QString productName() {
    return QString::fromUtf8(kProductName.data(), static_cast<qsizetype>(kProductName.size()));
}

}  // namespace

// The product's name already ends in "Draft".
QString FormMain::productTitle() {
    return productName() + QStringLiteral(" Software");
}

FormMain::FormMain(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("form_main"));
    // The room is where the user drafts: its players carry the advice for his team.
    m_state.showAdvice = true;
    setWindowTitle(productTitle());
    m_actions = buildMainMenus(*this);

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 2, 4, 2);
    m_splitter = makeNamed<QSplitter>("splitter_main", Qt::Horizontal, central);
    auto* roomHost = new QWidget(m_splitter);
    auto* room = new QVBoxLayout(roomHost);
    room->setContentsMargins(0, 0, 0, 0);
    room->setSpacing(2);
    m_search = new PlayerSearchBar(m_state, roomHost);
    room->addWidget(m_search);
    auto* clockRow = new QHBoxLayout;
    m_clock = makeNamed<ElidedLabel>("lbl_clock", roomHost);
    QFont clockFont = m_clock->font();
    clockFont.setBold(true);
    clockFont.setPointSizeF(clockFont.pointSizeF() * 1.2);
    m_clock->setFont(clockFont);
    // In a narrow window the banner gives up its larger size before any of its figures.
    m_clock->setLeastScale(1.0 / 1.2);
    m_quickPick = new QuickPickBox(m_state, roomHost);
    clockRow->addWidget(m_clock, 1);
    clockRow->addWidget(m_quickPick);
    room->addLayout(clockRow);
    m_bidBar = new PracticeBidBar(roomHost);
    room->addWidget(m_bidBar);
    room->addWidget(buildTabs(), 1);

    m_side = new SidePane(m_state, m_dialogs, m_splitter);
    m_side->setMinimumWidth(180);
    m_splitter->addWidget(roomHost);
    m_splitter->addWidget(m_side);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, true);
    m_splitter->setSizes({1000, kSidePaneWidth});
    columns->addWidget(m_splitter);
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("status_bar"));
    buildValuationPages();
    buildRoomPages();
    connectActions();
    installKeyFilters();

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
    // In a practice draft the writes from elsewhere are its bots' picks, one at a time: the room
    // follows each as it follows the user's own pick, the parts in sight first and the rest
    // after the screen is drawn, so that a fast bot never holds the window up.
    connect(watcher, &DatabaseWatcher::changedElsewhere, this, [this] {
        if (m_practice != nullptr && m_practice->practiceOpen() && m_state.hasDraft()) {
            showRoomView(refreshAfterPick(m_state, m_dialogs));
        } else {
            refreshEverything();
        }
    });
    watcher->start();
}

FormMain::~FormMain() = default;

void FormMain::connectActions() {
    const MainActions& a = m_actions;
    connect(a.newDraft, &QAction::triggered, this, &FormMain::openNewDraft);
    connect(a.openDraft, &QAction::triggered, this, &FormMain::openOpenDraft);
    connect(a.exit, &QAction::triggered, this, &FormMain::close);
    connect(a.draftSettings, &QAction::triggered, this, &FormMain::openDraftSettings);
    connect(a.quickPick, &QAction::triggered, this, [this] {
        if (m_state.hasDraft()) {
            m_quickPick->focusBox();
        }
    });
    connect(a.skipPick, &QAction::triggered, this, &FormMain::skipPick);
    connect(a.undoPick, &QAction::triggered, this, &FormMain::undoPick);
    connect(a.watchPlayer, &QAction::triggered, this, &FormMain::toggleWatch);
    connect(a.rosterTeam, &QAction::triggered, this, [this] {
        if (m_mainView) {
            m_tabs->setCurrentIndex(kMainView);
            m_mainView->focusTeamSelector();
            statusBar()->showMessage(tr("Type a team's name or number, or Alt+Down for the list"),
                                     10000);
        }
    });
    // The menu item and the box beside the grid are one choice.
    connect(a.showInflation, &QAction::triggered, this, [this](bool checked) {
        if (m_showInflation->isVisible()) {
            m_showInflation->setChecked(checked);
        } else {
            m_actions.showInflation->setChecked(m_showInflation->isChecked());
        }
    });
    connect(a.updateDollars, &QAction::triggered, this, [this] {
        if (m_updateDollars->isVisible()) {
            refreshMain();
        }
    });
    connect(a.followDraft, &QAction::triggered, this, &FormMain::openFollowDraft);
    connect(a.hostNight, &QAction::triggered, this, &FormMain::openHostNight);
    m_practice = new PracticeSession(m_state, m_dialogs, *this, this);
    connect(a.practiceDraft, &QAction::triggered, m_practice, &PracticeSession::startNew);
    connect(a.restartPractice, &QAction::triggered, m_practice, &PracticeSession::restart);
    connect(a.backToDraft, &QAction::triggered, m_practice, &PracticeSession::backToDraft);
    connect(m_practice, &PracticeSession::practiceShown, this,
            [this](bool practice, const QString& source) {
                m_actions.restartPractice->setVisible(practice);
                m_actions.backToDraft->setVisible(practice);
                m_actions.backToDraft->setText(tr("&Back to %1").arg(source));
                showPracticeMark(practice, source);
            });
    connect(m_practice, &PracticeSession::limitWanted, m_bidBar, &PracticeBidBar::ask);
    connect(m_practice, &PracticeSession::limitSettled, this, [this] {
        const bool hadKeyboard = m_bidBar->isAncestorOf(QApplication::focusWidget());
        m_bidBar->hide();
        if (hadKeyboard) {
            focusRoom();
        }
    });
    connect(m_practice, &PracticeSession::news, this, &FormMain::showNews);
    connect(m_bidBar, &PracticeBidBar::limitConfirmed, m_practice,
            [this](const QString& text) { m_practice->confirmLimit(text); });
    // The bots write through a connection of their own: the watcher reloads the draft before
    // the room is rebuilt, as for the follower's picks.
    connect(m_practice, &PracticeSession::roomChanged, this, [this] {
        if (auto* watcher = findChild<DatabaseWatcher*>(QStringLiteral("database_watcher"))) {
            watcher->check();
        }
    });
    for (int tab = 0; tab < kTabCount; ++tab) {
        connect(a.tabs[static_cast<std::size_t>(tab)], &QAction::triggered, this,
                [this, tab] { m_tabs->setCurrentIndex(tab); });
    }
    const auto sort = [this](bool reversed) {
        if (m_tabs->currentIndex() == kMainView && m_mainView) {
            m_mainView->sortByCurrentColumn(reversed);
        } else if (m_tabs->currentIndex() == kPlayerResearch && m_research) {
            m_research->sortByCurrentColumn(reversed);
        }
    };
    connect(a.sortDescending, &QAction::triggered, this, [sort] { sort(false); });
    connect(a.sortAscending, &QAction::triggered, this, [sort] { sort(true); });
    connect(a.playerPage, &QAction::triggered, this, [this] {
        const int shown = m_tabs->currentIndex() == kPlayerResearch && m_research
                              ? m_research->currentPlayerId()
                          : m_mainView ? m_mainView->currentPlayerId()
                                       : 0;
        if (shown > 0) {
            showPlayerPage(shown);
        }
    });
    connect(a.columns, &QMenu::aboutToShow, this, [this] {
        if (m_mainView) {
            m_mainView->fillColumnsMenu(*m_actions.columns);
        }
    });
    connect(a.sidePane, &QAction::triggered, this, &FormMain::toggleSidePane);
    connect(a.presentation, &QAction::triggered, this, [this] {
        m_tabs->setCurrentIndex(kDraftBoard);
        if (m_board) {
            m_board->togglePresentation();
        }
    });
    connect(a.refresh, &QAction::triggered, this, &FormMain::refreshEverything);
    connect(a.addPlayer, &QAction::triggered, this, &FormMain::openCustomPlayer);
    connect(a.keepers, &QAction::triggered, this, &FormMain::openKeepers);
    connect(a.updateProjections, &QAction::triggered, this, &FormMain::openFindProjections);
    connect(a.editProjections, &QAction::triggered, this, &FormMain::openEditProjections);
    connect(a.importTable, &QAction::triggered, this, &FormMain::openImportTable);
    connect(a.exportRosters, &QAction::triggered, this, [this] { openExport("roster"); });
    connect(a.exportDraft, &QAction::triggered, this, [this] { openExport("draft"); });
    connect(a.exportProjections, &QAction::triggered, this, [this] { openExport("hprojections"); });
    connect(a.helpForTab, &QAction::triggered, this, &FormMain::showHelpForTab);
    connect(a.helpTopics, &QAction::triggered, this, [this] { showHelp(HelpPage::Topics); });
    connect(a.helpKeys, &QAction::triggered, this, [this] { showHelp(HelpPage::Board); });
    connect(a.about, &QAction::triggered, this, &FormMain::openAbout);

    connect(m_side->skipButton(), &QPushButton::clicked, this, &FormMain::skipPick);
    connect(m_side->undoButton(), &QPushButton::clicked, this, &FormMain::undoPick);
    connect(m_side->myTeam(), &MyTeamPanelView::playerPageRequested, this,
            &FormMain::showPlayerPage);
    connect(m_side->myTeam(), &MyTeamPanelView::unwatchRequested, this, &FormMain::unwatchPlayer);
    connect(m_side, &SidePane::pageChanged, this, [this] { refreshLater(0); });
}

QWidget* FormMain::buildTabs() {
    m_tabs = makeNamed<QTabWidget>("SSTab1", this);
    for (std::size_t index = 0; index < kTabs.size(); ++index) {
        auto* host = new QWidget(m_tabs);
        auto* layout = new QVBoxLayout(host);
        layout->setContentsMargins(4, 4, 4, 4);
        if (index == kMainView) {
            auto* strip = new QHBoxLayout;
            m_updateDollars =
                makeNamed<QPushButton>("cmd_updateDollars", QStringLiteral("Update $"), host);
            m_showInflation =
                makeNamed<QCheckBox>("ck_original", QStringLiteral("Show Inflation"), host);
            m_showInflation->setToolTip(QStringLiteral("Ctrl+I"));
            strip->addWidget(m_updateDollars);
            strip->addWidget(m_showInflation);
            strip->addStretch(1);
            layout->addLayout(strip);
            // Auction controls appear once an auction is open.
            m_updateDollars->setVisible(false);
            m_showInflation->setVisible(false);
            connect(m_showInflation, &QCheckBox::toggled, this, [this](bool checked) {
                m_state.showInflation = checked;
                m_actions.showInflation->setChecked(checked);
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
    // A tab out of sight waits for its refresh until it is shown.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { refreshLater(0); });
    return m_tabs;
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

    m_board = new DraftBoardPage(m_state, m_dialogs);
    setTabPage(kDraftBoard, m_board);
    connect(m_quickPick, &QuickPickBox::playerChosen, this, &FormMain::pickPlayer);
    // The research grid takes the keyboard with its tab (Alt+R, Ctrl+2), as no key reaches it
    // otherwise past the quick-pick box and the rest of the room.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == kPlayerResearch && m_research && m_state.hasDraft()) {
            m_research->fillResearchGrid();
            m_research->focusGrid();
        }
    });

    connect(m_search, &PlayerSearchBar::addPlayerRequested, this, &FormMain::openAddPlayer);
    connect(m_search, &PlayerSearchBar::customPlayerRequested, this, &FormMain::openCustomPlayer);
    connect(m_search, &PlayerSearchBar::playerPageRequested, this, &FormMain::showPlayerPage);
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

void FormMain::showHelpForTab() {
    const int tab = m_tabs->currentIndex();
    showHelp(tab >= 0 && tab < kTabCount ? kTabHelp[static_cast<std::size_t>(tab)]
                                         : HelpPage::Topics);
}

// Text boxes keep their own Ctrl+Z for what the user typed, and the search box its letters.
void FormMain::installKeyFilters() {
    auto* searchBox = m_search->findChild<QComboBox*>();
    auto* undoKeys = new UndoKeyFilter(this);
    undoKeys->watch(searchBox);
    undoKeys->watch(m_quickPick->findChild<QLineEdit*>());
    for (QWidget* box :
         {static_cast<QWidget*>(searchBox), static_cast<QWidget*>(searchBox->lineEdit())}) {
        box->installEventFilter(this);
    }
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    // A list that changed while the user typed in the box is filled again once he is done.
    if (event->type() == QEvent::FocusOut && m_searchListStale) {
        auto* combo = m_search->findChild<QComboBox*>();
        if (watched == combo || watched == combo->lineEdit()) {
            m_searchListStale = false;
            m_search->reloadPlayers();
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
        saveDraftView(m_state, playerListView(), m_viewTemplateId);
    }
    if (m_mainView) {
        m_mainView->saveColumns();
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

QVBoxLayout* FormMain::moneyArea() const {
    return m_side->findChild<QVBoxLayout*>();
}

WebPane* FormMain::webPane() const {
    return m_side->webPane();
}

void FormMain::showUpdateDollars(bool visible) {
    m_updateDollars->setVisible(visible);
}

void FormMain::resetResearchGrid() {
    if (m_research) {
        m_research->reset();
    }
}

void FormMain::showPlayerPage(int playerId) {
    m_side->showPage(SidePane::kWebPage);
    webPane()->showPlayerPage(playerId, playerCardHtml(playerId));
}

void FormMain::fillSearchList() {
    m_search->fillSearchList();
}

DraftBoardPage* FormMain::boardPage() const {
    return m_board;
}

HelpWindow* FormMain::helpWindow() const {
    return m_helpWindow;
}

int FormMain::runDialog(QDialog& dialog) {
    const int result = dialog.exec();
    focusRoom();
    return result;
}

// The keyboard goes back to the room: the quick-pick box while a draft is open. A window
// manager hands the focus on when the dialog unmaps, so it is asked for once more after that.
void FormMain::focusRoom() {
    const auto focus = [this] {
        if (QApplication::activeModalWidget() != nullptr) {
            return;
        }
        activateWindow();
        raise();
        if (m_state.hasDraft()) {
            m_quickPick->focusBox();
        } else {
            setFocus(Qt::OtherFocusReason);
        }
    };
    focus();
    QTimer::singleShot(50, this, focus);
}

void FormMain::showNews(const QString& news) {
    if (!news.isEmpty()) {
        statusBar()->showMessage(news, 10000);
    }
}

void FormMain::openAddPlayer(int playerId) {
    if (!m_state.draftSettings()) {
        return;
    }
    // In a practice auction the user's own nomination puts the player up for sale instead.
    if (m_practice->nominate(playerId)) {
        m_quickPick->clearBox();
        m_search->clearSearch();
        return;
    }
    FormAddPlayer window(m_state, m_dialogs, *this, playerId, this);
    if (runDialog(window) == QDialog::Accepted) {
        m_quickPick->clearBox();
        m_search->clearSearch();
    }
}

void FormMain::pickPlayer(int playerId) {
    openAddPlayer(playerId);
}

void FormMain::openMovePlayer(int playerId) {
    if (!m_state.draftSettings()) {
        return;
    }
    FormMovePlayer window(m_state, m_dialogs, *this, playerId, this);
    runDialog(window);
}

void FormMain::openCustomPlayer() {
    FormNewPlayer window(m_state, m_dialogs, *this, this);
    runDialog(window);
}

// Not modal: the draft goes on in this window while the room is followed.
void FormMain::openFollowDraft() {
    if (!m_state.draftSettings()) {
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

void FormMain::openHostNight() {
    if (!m_state.draftSettings()) {
        return;
    }
    if (!m_hostNight) {
        m_hostNight = new FormHostNight(m_state, this);
        // The host writes through a connection of its own: the window follows the phones as it
        // follows any other program, only at once.
        connect(m_hostNight, &FormHostNight::roomChanged, this, [this] {
            if (auto* watcher = findChild<DatabaseWatcher*>(QStringLiteral("database_watcher"))) {
                watcher->check();
            }
        });
    }
    m_hostNight->show();
    m_hostNight->raise();
    m_hostNight->activateWindow();
}

void FormMain::openKeepers() {
    if (!m_state.draftSettings()) {
        return;
    }
    FormAddKeepers window(m_state, m_dialogs, *this, this);
    runDialog(window);
}

void FormMain::openExport(const std::string& kind) {
    if (!m_state.draftSettings()) {
        return;
    }
    FormExportDir window(m_state, m_dialogs, *this, kind, this);
    runDialog(window);
}

void FormMain::openNewDraft() {
    FormNewDraft window(m_state, m_dialogs, *this, this);
    runDialog(window);
}

void FormMain::openOpenDraft() {
    FormOpenDraft window(m_state, m_dialogs, *this, this);
    runDialog(window);
}

void FormMain::openDraftSettings() {
    FormSetup window(m_state, m_dialogs, *this, this);
    runDialog(window);
}

void FormMain::openFindProjections() {
    FormFindProjections window(m_state, m_dialogs, this);
    connect(&window, &FormFindProjections::refreshRequested, this, &FormMain::refreshMain);
    runDialog(window);
}

void FormMain::openEditProjections() {
    FormEditProjections window(m_state, m_dialogs, this);
    connect(&window, &FormEditProjections::refreshRequested, this, &FormMain::refreshMain);
    runDialog(window);
}

void FormMain::openImportTable() {
    FormImportTable window(m_state, m_dialogs, this);
    connect(&window, &FormImportTable::refreshRequested, this, &FormMain::refreshMain);
    runDialog(window);
}

void FormMain::openAbout() {
    FormAboutUs window(m_state, this);
    runDialog(window);
}

}  // namespace quorvane::gui
