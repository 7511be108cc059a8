// SPDX-License-Identifier: MIT
// What the user sees of a pick's speed: from Enter in the pick window to the banner drawn with
// the next team, in the desktop program's window at 1024 x 700, for a 12-team snake draft and a
// 12-team auction with 100 picks made. The rest of the room (values, advice, standings, tabs out
// of sight) follows after the banner and is measured apart, as the time until all of it is done.
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <memory>
#include <optional>

#include "BenchSupport.h"
#include "draftconfig/NewDraft.h"
#include "gui/app/FormMain.h"
#include "room/AuctionBanner.h"
#include "room/DraftPicks.h"
#include "room/PlayerLists.h"
#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "room/Turns.h"
#include "session/DraftConversation.h"
#include "session/ProgramState.h"
#include "session/RoomRefresh.h"
#include "session/TurnConversation.h"
#include "valuation/CategoryTargets.h"

namespace quorvane {
namespace {

// Counts the banner's paints, so that a pick's time ends when the banner is drawn anew.
class PaintCounter final : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

struct WindowRoom {
    bench::BenchDatabase database{true};
    ProgramState& state = database.state;
    bench::QuietDialogs& dialogs = database.dialogs;
    std::unique_ptr<gui::FormMain> window;
    QLabel* banner = nullptr;
    PaintCounter counter;
    bool auction = false;
    bool ready = false;

    explicit WindowRoom(bool isAuction) : auction(isAuction) {
        if (!database.loadSampleProjections() ||
            !createDraft(state, dialogs, {"Bench", 11, auction, true})) {
            return;
        }
        for (int i = 0; i < 100; ++i) {
            const int playerid = nextPlayer();
            if (recordPick(state, dialogs, playerid, formFor(playerid)).outcome !=
                PickOutcome::Recorded) {
                return;
            }
        }
        window = std::make_unique<gui::FormMain>(state, dialogs);
        window->resize(1024, 700);
        window->show();
        window->refreshMain();
        banner = window->findChild<QLabel*>(QStringLiteral("lbl_clock"));
        banner->installEventFilter(&counter);
        settle();
        ready = true;
    }

    int nextPlayer() {
        const auto players = fillAvailablePlayers(state, listShowing(state), "All Players", 0);
        return players && !players->rows.empty() ? std::stoi(players->rows.front().front()) : 0;
    }
    // The team the pick window preselects: the team on the clock, in an auction the nominator.
    PickForm formFor(int playerid) {
        const int team = auction
                             ? nominatingTeamOf(state).value_or(teamOnTheClock(*state.loadedDraft))
                             : teamOnTheClock(*state.loadedDraft);
        return {team, fillPosition(state, playerid).selectedText(), auction ? "3" : ""};
    }
    void settle() {
        while (window->refreshPending()) {
            QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }
};

}  // namespace

// One room of each kind for the whole run, closed before the application ends.
std::unique_ptr<WindowRoom> rooms[2];

WindowRoom& room(bool auction) {
    std::unique_ptr<WindowRoom>& kept = rooms[auction ? 1 : 0];
    if (!kept) {
        kept = std::make_unique<WindowRoom>(auction);
    }
    return *kept;
}

namespace {

void pickToBanner(benchmark::State& bench, bool auction, bool untilSettled) {
    WindowRoom& draft = room(auction);
    if (!draft.ready) {
        bench.SkipWithError("no sample draft (set QUORVANE_SAMPLE_PROJECTIONS)");
        return;
    }
    for (auto _ : bench) {
        bench.PauseTiming();
        const int playerid = draft.nextPlayer();
        const PickForm form = draft.formFor(playerid);
        const int paintsBefore = draft.counter.paints;
        bench.ResumeTiming();
        // What the pick window does on Enter, then the event loop until the banner is drawn.
        const PickResult result = recordPick(draft.state, draft.dialogs, playerid, form);
        if (result.view) {
            draft.window->showRoomView(*result.view);
        }
        while (draft.counter.paints == paintsBefore) {
            QCoreApplication::processEvents();
        }
        if (untilSettled) {
            draft.settle();
        }
        bench.PauseTiming();
        if (result.outcome != PickOutcome::Recorded) {
            bench.SkipWithError("the pick was not recorded");
            break;
        }
        draft.settle();
        draft.window->undoPick();
        draft.settle();
        bench.ResumeTiming();
    }
}

void BM_SnakePickToBanner(benchmark::State& bench) {
    pickToBanner(bench, false, false);
}
BENCHMARK(BM_SnakePickToBanner)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

void BM_AuctionSaleToBanner(benchmark::State& bench) {
    pickToBanner(bench, true, false);
}
BENCHMARK(BM_AuctionSaleToBanner)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

void BM_SnakePickRoomSettled(benchmark::State& bench) {
    pickToBanner(bench, false, true);
}
BENCHMARK(BM_SnakePickRoomSettled)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

void BM_AuctionSaleRoomSettled(benchmark::State& bench) {
    pickToBanner(bench, true, true);
}
BENCHMARK(BM_AuctionSaleRoomSettled)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

// The longest the interface thread went without serving a 5 ms timer.
class StallMeter {
  public:
    StallMeter() {
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_longest = std::max(m_longest, m_sinceTick.restart()); });
        m_timer.start(5);
        m_sinceTick.start();
    }
    // Work the meter should not count (the user's own picks, measured above).
    void forgetGap() { m_sinceTick.restart(); }
    qint64 longestMs() const { return m_longest; }

  private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longest = 0;
};

// Starts a practice of the open draft as the user does: Draft ▸ Practice Draft…, the bots at
// the instant pace.
void startInstantPractice(gui::FormMain& window) {
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->objectName() != QStringLiteral("form_practice_draft")) {
            return;
        }
        answer.stop();
        modal->findChild<QComboBox*>(QStringLiteral("cmb_pace"))->setCurrentIndex(0);
        modal->findChild<QPushButton*>(QStringLiteral("cmd_start"))->click();
    });
    answer.start(5);
    window.findChild<QAction*>(QStringLiteral("mnuPracticeDraft"))->trigger();
}

struct WindowPractice {
    qint64 wallMs = 0;
    qint64 longestStallMs = 0;
    int picks = 0;
    bool over = false;
};

// A practice of the sample's 12-team snake (13 rounds) in the real window at 1600 x 1000, with
// the Avail columns on, from Start in the practice dialog to its grade page; the user's own turns
// take the first player of the grid as the pick window would. Measured: the wall time, and the
// interface thread's longest stall while the bots pick and the forecast runs behind each pick.
std::optional<WindowPractice> practiseInWindow() {
    bench::BenchDatabase database{true};
    ProgramState& state = database.state;
    bench::QuietDialogs& dialogs = database.dialogs;
    if (!database.loadSampleProjections() ||
        !createDraft(state, dialogs, {"Bench", 11, false, true})) {
        return std::nullopt;
    }
    const int real = state.draftSettings()->template_id;
    gui::FormMain window(state, dialogs);
    window.resize(1600, 1000);
    window.show();
    window.refreshMain();
    while (window.refreshPending()) {
        QCoreApplication::processEvents();
    }
    WindowPractice run;
    StallMeter meter;
    // The grade page at the end is the practice's last word.
    QTimer gradeCloser;
    QObject::connect(&gradeCloser, &QTimer::timeout, [&run] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == QStringLiteral("practice_grade")) {
            run.over = true;
            modal->close();
        }
    });
    gradeCloser.start(20);
    QElapsedTimer elapsed;
    elapsed.start();
    startInstantPractice(window);
    meter.forgetGap();
    if (state.draftSettings()->template_id == real) {
        return std::nullopt;
    }
    const int mine = myTeamId(state);
    while (!run.over && elapsed.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (window.refreshPending() || teamOnTheClock(*state.loadedDraft) != mine) {
            continue;
        }
        // The user's turn: the first player of the grid, as the pick window takes him.
        const auto players = fillAvailablePlayers(state, listShowing(state), "All Players", 0);
        const int playerid =
            players && !players->rows.empty() ? std::stoi(players->rows.front().front()) : 0;
        const PickResult result = recordPick(
            state, dialogs, playerid, {mine, fillPosition(state, playerid).selectedText(), ""});
        if (result.outcome == PickOutcome::Recorded && result.view) {
            window.showRoomView(*result.view);
        }
        meter.forgetGap();
    }
    run.wallMs = elapsed.elapsed();
    run.longestStallMs = meter.longestMs();
    const std::optional<std::vector<DraftPick>> made = readDraftPicks(state);
    run.picks = made ? static_cast<int>(made->size()) : 0;
    return run;
}

void practiceBenchmark(benchmark::State& bench) {
    qint64 longest = 0;
    int picks = 0;
    for (auto _ : bench) {
        const std::optional<WindowPractice> run = practiseInWindow();
        if (!run) {
            bench.SkipWithError("no sample practice draft (set QUORVANE_SAMPLE_PROJECTIONS)");
            return;
        }
        if (!run->over) {
            bench.SkipWithError("the practice did not reach its grade page within 60 s");
            return;
        }
        bench.SetIterationTime(static_cast<double>(run->wallMs) / 1000.0);
        longest = std::max(longest, run->longestStallMs);
        picks = run->picks;
    }
    bench.counters["max_stall_ms"] = static_cast<double>(longest);
    bench.counters["picks"] = picks;
}

// The whole practice's wall time.
void BM_PracticeWholeSnakeInWindow(benchmark::State& bench) {
    practiceBenchmark(bench);
}
BENCHMARK(BM_PracticeWholeSnakeInWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

// The same practice, read for its longest stall of the interface thread (max_stall_ms).
void BM_PracticeInterfaceStall(benchmark::State& bench) {
    practiceBenchmark(bench);
}
BENCHMARK(BM_PracticeInterfaceStall)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto& kept : quorvane::rooms) {
        kept.reset();
    }
    return 0;
}
