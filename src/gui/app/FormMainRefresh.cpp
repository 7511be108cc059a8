// SPDX-License-Identifier: MIT
// How the draft room follows a change: everything at once after a draft is opened or changed
// wholesale; after a pick, skip, undo or keeper the parts in sight first, the rest a part at a
// time after the screen is drawn.
#include "gui/app/FormMain.h"
#include "gui/app/PracticeSession.h"
#include "session/TurnConversation.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include <unordered_set>

#include "gui/app/DatabaseWatcher.h"
#include "gui/app/LoadedWindows.h"
#include "gui/app/SidePane.h"
#include "gui/app/WindowMemory.h"
#include "gui/room/DraftBoardPage.h"
#include "gui/room/DraftNotesPanel.h"
#include "gui/room/MainViewPage.h"
#include "gui/room/MyTeamPanel.h"
#include "gui/room/PlayerSearchBar.h"
#include "gui/room/QuickPickBox.h"
#include "gui/room/ResearchPage.h"
#include "gui/valuation/StandingsPage.h"
#include "gui/valuation/TargetsPage.h"
#include "gui/widgets/ElidedLabel.h"
#include "gui/widgets/WebPane.h"
#include "room/AuctionBanner.h"
#include "room/ClockBanner.h"
#include "room/DraftBoard.h"
#include "room/DraftPicks.h"
#include "room/MyTeam.h"
#include "room/WatchList.h"
#include "session/LiveRoom.h"
#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/TurnNews.h"
#include "session/UserDialogs.h"
#include "session/ValuationConversation.h"
#include "teamadvice/RoomAdvice.h"

namespace quorvane::gui {

namespace {

// Posted below the priority of the window's own paint requests, so that it is handled after
// what a part changed has been drawn.
const QEvent::Type kRefreshPartEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

constexpr int kRefreshPartPriority = Qt::LowEventPriority - 1;

}  // namespace

void FormMain::refreshMain() {
    refreshEverything();
}

void FormMain::refreshEverything() {
    if (!m_state.draftSettings()) {
        return;
    }
    switchDraftView();
    enableActionButtons(false);
    showLive(refreshLiveRoom(m_state, m_dialogs, playerListView()));
    enableActionButtons(true);
}

// A draft opened for the first time, or again, brings back its own filter, sort and figures.
void FormMain::switchDraftView() {
    const int templateId = m_state.draftSettings()->template_id;
    PlayerListView shown = playerListView();
    if (templateId == m_viewTemplateId) {
        saveDraftView(m_state, shown, templateId);
        return;
    }
    if (m_viewTemplateId != 0) {
        saveDraftView(m_state, shown, m_viewTemplateId);
    }
    loadDraftView(m_state, shown, templateId);
    if (m_mainView) {
        m_mainView->listView() = shown;
    }
    m_viewTemplateId = templateId;
    // A practice's bots may write before the watcher looks again: their first pick must not pass
    // for this window opening the draft.
    if (auto* watcher = findChild<DatabaseWatcher*>(QStringLiteral("database_watcher"))) {
        watcher->draftShown();
    }
    if (m_mainView) {
        m_mainView->showViewState();
    }
}

void FormMain::showLive(const LiveRoom& live) {
    // Everything below is new: nothing waits any more.
    m_dirty = 0;
    showRoomFrame(live.room);
    showRoom(live.room);
    if (live.standings && m_standings) {
        m_standings->showStandings(*live.standings);
    }
    if (m_standings) {
        m_standings->refreshMoneyChart();
    }
    if (live.targets && m_targets) {
        m_targets->showLiveRows(*live.targets);
    }
    if (live.board && m_board) {
        m_board->showBoard(*live.board);
    }
    showClock(QString::fromStdString(live.banner), QString::fromStdString(live.bannerDetails));
    if (live.standingsFigures) {
        m_standingsFigures = *live.standingsFigures;
    }
    showMyTeam(live.picks);
    showWatchList();
    m_search->reloadPlayers();
    m_searchListStale = false;
    m_quickPick->reload();
    if (const int shown = webPane()->cardPlayer(); shown > 0) {
        webPane()->replacePlayerCard(playerCardHtml(shown));
    }
    // A practice draft's other teams pick once the room shows where it stands.
    if (m_practice) {
        m_practice->roomShown();
    }
}

std::string FormMain::playerCardHtml(int playerId) {
    const std::optional<PlayerAdviceCard> card = shown(
        m_dialogs, playerAdviceCard(m_state, m_state.roomAdvice, m_state.showInflation, playerId));
    return card ? playerAdviceCardHtml(*card) : std::string();
}

// The menus, buttons and the side pane of an open draft.
void FormMain::showRoomFrame(const RoomView& view) {
    const DraftSettings& draft = *m_state.draftSettings();
    for (QMenu* menu : {m_actions.editMenu, m_actions.draftMenu}) {
        menu->setEnabled(true);
        menu->menuAction()->setEnabled(true);
    }
    const bool auction = draft.drafttype == kDraftTypeAuction;
    // An auction has no turn to skip.
    m_side->skipButton()->setEnabled(!auction);
    m_actions.skipPick->setEnabled(!auction);
    m_side->undoButton()->setEnabled(true);
    m_side->showDraftOpen(draft.template_name, view.draftComplete);
    m_updateDollars->setVisible(view.showAuctionControls);
    m_showInflation->setVisible(view.showAuctionControls);
    m_actions.showInflation->setEnabled(view.showAuctionControls);
    m_actions.updateDollars->setEnabled(view.showAuctionControls);
}

void FormMain::showRoom(const RoomView& view) {
    if (view.money) {
        m_side->showMoney(*view.money);
    }
    if (view.draftLog) {
        m_side->notes()->showDraftLog(*view.draftLog);
    }
    if (view.draftNotes) {
        m_side->notes()->showNotes(*view.draftNotes);
    }
    if (!m_mainView) {
        return;
    }
    if (view.availablePlayers) {
        m_mainView->showAvailablePlayers(*view.availablePlayers);
    }
    if (view.teamSelector) {
        m_mainView->showTeamSelector(*view.teamSelector);
    }
    showTeamOnTheClock();
}

// The Main View's roster follows the team on the clock (in an auction the team that
// nominates) unless the user chose a team himself.
void FormMain::showTeamOnTheClock() {
    if (!m_mainView || !m_state.draftSettings()) {
        return;
    }
    int followed = teamOnTheClock(*m_state.loadedDraft);
    if (m_state.draftSettings()->drafttype == kDraftTypeAuction) {
        followed = nominatingTeamOf(m_state).value_or(followed);
    }
    m_mainView->followTeam(followed);
}

int FormMain::rosterTeamId() const {
    return m_mainView ? m_mainView->rosterTeamId() : 0;
}

PlayerListView FormMain::playerListView() const {
    return m_mainView ? m_mainView->listView() : PlayerListView{};
}

void FormMain::showBanner(const std::vector<DraftPick>& picks) {
    const std::vector<PlayerValue> values = bannerValues(m_state);
    showClock(QString::fromStdString(liveBanner(m_state, picks)),
              QString::fromStdString(clockBannerDetails(*m_state.loadedDraft, picks, values)));
}

// A practice draft says so before anything else, so that no pick is made in it by mistake for
// the real draft.
void FormMain::showClock(const QString& banner, const QString& details) {
    m_banner = banner;
    m_bannerDetails = details;
    m_clock->setFullText(
        m_practiceOf.isEmpty() || banner.isEmpty() ? banner : tr("Practice \u00b7 %1").arg(banner),
        details);
}

void FormMain::showPracticeMark(bool practice, const QString& sourceName) {
    m_practiceOf = practice ? (sourceName.isEmpty() ? tr("a draft") : sourceName) : QString();
    setWindowTitle(m_practiceOf.isEmpty()
                       ? productTitle()
                       : tr("Practice of %1 \u2014 %2").arg(m_practiceOf, productTitle()));
    showClock(m_banner, m_bannerDetails);
}

void FormMain::showMyTeam(const std::vector<DraftPick>& picks) {
    const int mine = myTeamId(m_state);
    if (mine == 0) {
        m_side->myTeam()->showNoTeam();
        return;
    }
    m_side->myTeam()->showPanel(
        buildMyTeamPanel(*m_state.draftSettings(), mine, picks, m_standingsFigures));
}

void FormMain::showWatchList() {
    if (const auto watched = readOpenWatchList(m_state)) {
        m_side->myTeam()->showWatchList(watchListGrid(*m_state.draftSettings(), *watched));
    }
}

// What a change shows before anything else: who is on the clock, the user's team, the rosters
// and the money; the players just taken leave the grid (one given back by an undo returns with
// the values, a moment later).
void FormMain::showChangeAtOnce(const RoomView& view, const QString& news) {
    const std::optional<std::vector<DraftPick>> picks = readDraftPicks(m_state);
    if (!m_state.draftSettings() || !picks) {
        refreshEverything();
        return;
    }
    showRoomFrame(view);
    showBanner(*picks);
    if (view.money) {
        m_side->showMoney(*view.money);
    }
    if (m_mainView) {
        std::unordered_set<int> taken;
        for (const DraftPick& pick : *picks) {
            taken.insert(pick.playerid);
        }
        m_mainView->removeTakenPlayers(taken);
        showTeamOnTheClock();
    }
    showMyTeam(*picks);
    showWatchList();
    showNews(news);
}

void FormMain::showRoomView(const RoomView& view) {
    showChangeAtOnce(view, QString());
    refreshLater(kAll);
    // The user's own pick in a practice draft hands the turn back to its bots.
    if (m_practice) {
        m_practice->roomShown();
    }
}

void FormMain::skipPick() {
    if (!m_state.hasDraft() || m_state.draftSettings()->drafttype == kDraftTypeAuction) {
        return;
    }
    enableActionButtons(false);
    m_practice->holdBots();
    if (auto change = skipTurnTold(m_state, m_dialogs, playerListView())) {
        showChangeAtOnce(change->view, QString::fromStdString(change->news));
        refreshLater(kAll);
    }
    enableActionButtons(true);
    m_practice->turnChangedByUser();
}

void FormMain::undoPick() {
    if (!m_state.hasDraft()) {
        return;
    }
    enableActionButtons(false);
    // The bots draft from the draft as it stood; they start again from what the undo left.
    m_practice->holdBots();
    if (auto change = undoLastPickTold(m_state, m_dialogs, playerListView())) {
        showChangeAtOnce(change->view, QString::fromStdString(change->news));
        refreshLater(kAll);
    }
    enableActionButtons(true);
    m_practice->turnChangedByUser();
}

void FormMain::toggleWatch() {
    if (!m_state.hasDraft()) {
        return;
    }
    const int playerId = m_tabs->currentIndex() == kPlayerResearch && m_research
                             ? m_research->currentPlayerId()
                         : m_mainView ? m_mainView->currentPlayerId()
                                      : 0;
    if (playerId <= 0) {
        showNews(tr("Choose a player in the list to watch him"));
        return;
    }
    const std::optional<bool> watched = shown(m_dialogs, toggleWatched(m_state, playerId));
    if (!watched) {
        return;
    }
    showWatchList();
    const QString name = m_mainView ? m_mainView->playerName(playerId) : QString();
    showNews(*watched ? tr("Watching %1").arg(name) : tr("Stopped watching %1").arg(name));
}

void FormMain::unwatchPlayer(int playerId) {
    if (shown(m_dialogs, setWatched(m_state, playerId, false))) {
        showWatchList();
    }
}

void FormMain::refreshLater(unsigned parts) {
    m_dirty |= parts;
    if (m_partScheduled || m_dirty == 0) {
        return;
    }
    m_partScheduled = true;
    QCoreApplication::postEvent(this, new QEvent(kRefreshPartEvent), kRefreshPartPriority);
}

bool FormMain::event(QEvent* event) {
    if (event->type() == kRefreshPartEvent) {
        m_partScheduled = false;
        refreshNextPart();
        return true;
    }
    return QMainWindow::event(event);
}

bool FormMain::partInView(Part part) const {
    switch (part) {
        case kStandingsView:
            return m_tabs->currentIndex() == kProjectedStandings;
        case kBoard:
            return m_tabs->currentIndex() == kDraftBoard;
        case kTargets:
            return m_tabs->currentIndex() == kCategoryTargets;
        case kDraftLog:
            return m_side->currentPage() == SidePane::kNotesPage;
        case kCard:
            return m_side->currentPage() == SidePane::kWebPage;
        default:
            return true;
    }
}

unsigned FormMain::dirtyInView() const {
    unsigned visible = 0;
    for (unsigned part = 1; part <= kAll; part <<= 1) {
        if ((m_dirty & part) != 0 && partInView(static_cast<Part>(part))) {
            visible |= part;
        }
    }
    return visible;
}

void FormMain::refreshNextPart() {
    // A modal window over the room (a message, another pick) comes first; the room follows
    // once it is closed.
    if (!m_state.hasDraft()) {
        m_dirty = 0;
        return;
    }
    const unsigned visible = dirtyInView();
    if (visible == 0) {
        return;
    }
    const unsigned part = visible & (~visible + 1);
    m_dirty &= ~part;
    refreshPart(static_cast<Part>(part));
    refreshLater(0);
}

void FormMain::settle() {
    while (m_dirty != 0 && m_state.hasDraft()) {
        const unsigned part = m_dirty & (~m_dirty + 1);
        m_dirty &= ~part;
        refreshPart(static_cast<Part>(part));
    }
    m_dirty = 0;
}

void FormMain::refreshPart(Part part) {
    switch (part) {
        case kValues:
            refreshValues();
            break;
        case kStandings:
            refreshStandings();
            break;
        case kStandingsView:
            if (auto grid = fillStandingsGrid(m_state, m_state.includeReserves);
                grid && m_standings) {
                m_standings->showStandings(std::move(*grid));
            }
            if (m_standings) {
                m_standings->refreshMoneyChart();
            }
            break;
        case kBoard:
            if (const auto picks = readDraftPicks(m_state); picks && m_board) {
                m_board->showBoard(buildDraftBoard(*m_state.loadedDraft, *picks));
            }
            break;
        case kTargets:
            if (auto rows = showCategoryTargets(m_state, m_dialogs); rows && m_targets) {
                m_targets->showLiveRows(*rows);
            }
            break;
        case kDraftLog:
            if (const auto log = fillDraftLog(m_state)) {
                m_side->notes()->showDraftLog(*log);
            }
            break;
        case kLists:
            m_quickPick->reload();
            // A user typing in the search box keeps his text; the list is filled again when
            // he leaves it.
            if (QApplication::focusWidget() != nullptr &&
                m_search->isAncestorOf(QApplication::focusWidget())) {
                m_searchListStale = true;
            } else {
                m_search->reloadPlayers();
            }
            break;
        case kCard:
            if (const int shown = webPane()->cardPlayer(); shown > 0) {
                webPane()->replacePlayerCard(playerCardHtml(shown));
            }
            break;
        default:
            break;
    }
}

// Values (the dollars of an auction with inflation change with every sale), the advice for the
// user's team, and the players grid that shows both; the banner's inflation follows them.
void FormMain::refreshValues() {
    m_dialogs.setBusy(true);
    calcRoomValues(m_state, m_dialogs);
    if (m_state.showAdvice) {
        shown(m_dialogs, refreshRoomAdvice(m_state, m_state.roomAdvice));
    }
    if (m_mainView) {
        m_mainView->fillAvailablePlayers();
    }
    if (m_research && m_tabs->currentIndex() == kPlayerResearch) {
        m_research->fillResearchGrid();
    }
    m_dialogs.setBusy(false);
    if (m_state.draftSettings()->drafttype == kDraftTypeAuction) {
        if (const auto picks = readDraftPicks(m_state)) {
            showBanner(*picks);
        }
    }
}

// The standings run gives the user's places; the tab's grid and charts are drawn from it when
// the tab is in sight.
void FormMain::refreshStandings() {
    if (!calcStandings(m_state, m_state.includeReserves, true)) {
        return;
    }
    if (const auto figures = readStandings(m_state, m_state.includeReserves)) {
        m_standingsFigures = *figures;
    }
    if (const auto picks = readDraftPicks(m_state)) {
        showMyTeam(*picks);
    }
}

}  // namespace quorvane::gui
