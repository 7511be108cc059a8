// SPDX-License-Identifier: MIT
// The draft room's speed in a live draft: recording a pick with the lists it rebuilds, the full
// refresh, a pick with everything the live room shows refreshed, the last-name completion and
// the quick-pick ranking, in a 12-team snake draft with 100 picks made.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "draftconfig/NewDraft.h"
#include "model/DraftModelLoader.h"
#include "practice/OpponentPicks.h"
#include "room/PlayerLists.h"
#include "room/QuickPick.h"
#include "room/RecordPick.h"
#include "room/RefreshMain.h"
#include "room/TurnWriters.h"
#include "room/Turns.h"
#include "session/DataStore.h"
#include "session/DraftConversation.h"
#include "session/DraftModelConversation.h"
#include "session/LiveRoom.h"
#include "session/ProgramState.h"
#include "session/RoomRefresh.h"
#include "session/TurnConversation.h"
#include "session/UserDialogs.h"
#include "store/Connection.h"
#include "store/RowReader.h"
#include "store/StatementTrace.h"

namespace quorvane {
namespace {

// The turn history's last entry, so that what a measured pick wrote can be taken out again.
std::int64_t lastHistoryEntry(Connection& connection) {
    return readScalar<std::int64_t>(connection,
                                    "select coalesce(max(entryid), 0) as pick from DraftHistory")
        .value_or(0);
}

// Yes to every question, so that a full roster never stops a pick.
struct DraftRoom {
    bench::BenchDatabase database{true};
    ProgramState& state = database.state;
    bench::QuietDialogs& dialogs = database.dialogs;
    bool ready = false;

    DraftRoom() {
        if (!database.loadSampleProjections() ||
            !createDraft(state, dialogs, {"Bench", 11, false, true})) {
            return;
        }
        for (int i = 0; i < 100; ++i) {
            if (!pickNext()) {
                return;
            }
        }
        ready = true;
    }

    int nextPlayer() {
        const auto players = fillAvailablePlayers(state, listShowing(state), "All Players", 0);
        return players && !players->rows.empty() ? std::stoi(players->rows.front().front()) : 0;
    }
    PickForm formFor(int playerid) {
        return {teamOnTheClock(*state.loadedDraft), fillPosition(state, playerid).selectedText(),
                ""};
    }
    // Each measured pick is taken back, and its history entry and the undo's are then removed:
    // the history stays that of a draft with 100 picks made, so every measured pick is the
    // 101st, not one behind thousands of undone picks that the turn history would have to read.
    void takeBack() {
        const std::int64_t pickEntry = lastHistoryEntry(state.dbConnection);
        undoLastPick(state, dialogs);
        executeSql(state.dbConnection, "delete from DraftHistory where entryid >= ?",
                   {SqlValue{pickEntry}});
    }
    bool pickNext() {
        const int playerid = nextPlayer();
        return recordPick(state, dialogs, playerid, formFor(playerid)).outcome ==
               PickOutcome::Recorded;
    }
};

DraftRoom& room() {
    static DraftRoom instance;
    return instance;
}

void BM_RecordPick(benchmark::State& bench) {
    DraftRoom& draft = room();
    if (!draft.ready) {
        bench.SkipWithError("no sample draft (set QUORVANE_SAMPLE_PROJECTIONS)");
        return;
    }
    for (auto _ : bench) {
        bench.PauseTiming();
        const int playerid = draft.nextPlayer();
        const PickForm form = draft.formFor(playerid);
        bench.ResumeTiming();
        const PickResult result = recordPick(draft.state, draft.dialogs, playerid, form);
        bench.PauseTiming();
        if (result.outcome != PickOutcome::Recorded) {
            bench.SkipWithError("the pick was not recorded");
            break;
        }
        draft.takeBack();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_RecordPick)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// A pick recorded the way the room follower and the practice bots record theirs: nothing shown,
// no list rebuilt.
void BM_PickWithoutListsRebuilt(benchmark::State& bench) {
    DraftRoom& draft = room();
    if (!draft.ready) {
        bench.SkipWithError("no sample draft (set QUORVANE_SAMPLE_PROJECTIONS)");
        return;
    }
    for (auto _ : bench) {
        bench.PauseTiming();
        const int playerid = draft.nextPlayer();
        const PickForm form = draft.formFor(playerid);
        bench.ResumeTiming();
        const PickResult result = storePick(draft.state, draft.dialogs, playerid, form);
        bench.PauseTiming();
        if (result.outcome != PickOutcome::Recorded) {
            bench.SkipWithError("the pick was not recorded");
            break;
        }
        draft.takeBack();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_PickWithoutListsRebuilt)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The writer alone on a model of the caller's own, as a bot or a draft-night host holds one.
void BM_PickByTheWriter(benchmark::State& bench) {
    DraftRoom& draft = room();
    const DraftModel* held = draft.ready ? currentDraftModel(draft.state, draft.dialogs) : nullptr;
    if (held == nullptr) {
        bench.SkipWithError("no sample draft (set QUORVANE_SAMPLE_PROJECTIONS)");
        return;
    }
    DraftModel model = *held;
    for (auto _ : bench) {
        bench.PauseTiming();
        const int playerid = draft.nextPlayer();
        const PickForm form = draft.formFor(playerid);
        // The first open slot, as the room follower and the bots choose it: they answer no
        // question, so a full slot would only measure a refusal.
        const ModelTeam* team = model.findTeam(form.teamid);
        const ModelPlayer* player = model.findPlayer(playerid);
        const std::optional<std::string> slot =
            team != nullptr && player != nullptr
                ? openSlotFor(model, static_cast<std::size_t>(team - model.teams.data()), *player)
                : std::nullopt;
        if (!slot) {
            bench.SkipWithError("no open slot for the next player");
            break;
        }
        bench.ResumeTiming();
        const Outcome<PickRecorded> recorded =
            writePick(draft.state.dbConnection, model,
                      PickRequest{playerid, form.teamid, *slot, 0.0, std::nullopt, std::nullopt});
        bench.PauseTiming();
        if (!recorded) {
            bench.SkipWithError(
                ("the pick was not recorded: " + recorded.failure().message.text).c_str());
            break;
        }
        // Taken back on the same model, as takeBack() does on the program's.
        const std::int64_t pickEntry = lastHistoryEntry(draft.state.dbConnection);
        writeUndo(draft.state.dbConnection, model);
        executeSql(draft.state.dbConnection, "delete from DraftHistory where entryid >= ?",
                   {SqlValue{pickEntry}});
        draft.state.replaceDraftSettings(*model.settings);
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_PickByTheWriter)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_RefreshMain(benchmark::State& bench) {
    DraftRoom& draft = room();
    if (!draft.ready) {
        bench.SkipWithError("no sample draft (set QUORVANE_SAMPLE_PROJECTIONS)");
        return;
    }
    for (auto _ : bench) {
        benchmark::DoNotOptimize(refreshMain(draft.state, draft.dialogs, PlayerListView{}));
    }
}
BENCHMARK(BM_RefreshMain)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// What the user waits for between pressing Enter on a pick and a window that shows it: the pick,
// then values, standings, targets, board and banner; with the advice, as the desktop program
// shows it, also the Gain, Z, Z$ and VONA columns.
void pickWithEverythingRefreshed(benchmark::State& bench, bool withAdvice) {
    DraftRoom& draft = room();
    if (!draft.ready) {
        bench.SkipWithError("no sample draft (set QUORVANE_SAMPLE_PROJECTIONS)");
        return;
    }
    draft.state.showAdvice = withAdvice;
    // Statements the pick and the refresh run, counted apart from the preparation and the undo.
    // QUORVANE_BENCH_STATEMENTS set lists those of the last pick on the error output.
    long long statements = 0;
    bool counting = false;
    const bool listing = std::getenv("QUORVANE_BENCH_STATEMENTS") != nullptr;
    std::vector<std::string> lastPick;
    const StatementTrace trace(draft.state.dbConnection, [&](std::string_view sql) {
        statements += counting ? 1 : 0;
        if (counting && listing) {
            lastPick.emplace_back(sql);
        }
    });
    for (auto _ : bench) {
        bench.PauseTiming();
        const int playerid = draft.nextPlayer();
        const PickForm form = draft.formFor(playerid);
        counting = true;
        lastPick.clear();
        bench.ResumeTiming();
        const PickResult result = recordPick(draft.state, draft.dialogs, playerid, form);
        benchmark::DoNotOptimize(refreshLiveRoom(draft.state, draft.dialogs, PlayerListView{}));
        bench.PauseTiming();
        counting = false;
        if (result.outcome != PickOutcome::Recorded) {
            bench.SkipWithError("the pick was not recorded");
            break;
        }
        draft.takeBack();
        bench.ResumeTiming();
    }
    bench.counters["statements"] =
        benchmark::Counter(static_cast<double>(statements), benchmark::Counter::kAvgIterations);
    for (std::size_t i = 0; i < lastPick.size(); ++i) {
        std::cerr << i + 1 << '\t' << lastPick[i] << '\n';
    }
    draft.state.showAdvice = false;
}

void BM_PickWithEverythingRefreshed(benchmark::State& bench) {
    pickWithEverythingRefreshed(bench, false);
}
BENCHMARK(BM_PickWithEverythingRefreshed)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_PickWithEverythingAndAdviceRefreshed(benchmark::State& bench) {
    pickWithEverythingRefreshed(bench, true);
}
BENCHMARK(BM_PickWithEverythingAndAdviceRefreshed)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_QuickPickRanking(benchmark::State& bench) {
    DraftRoom& draft = room();
    const auto entries = loadQuickPicks(draft.state);
    if (!draft.ready || !entries) {
        bench.SkipWithError("no sample draft (set QUORVANE_SAMPLE_PROJECTIONS)");
        return;
    }
    for (auto _ : bench) {
        benchmark::DoNotOptimize(rankQuickPicks(*entries, "jo", false, 12));
    }
}
BENCHMARK(BM_QuickPickRanking)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_SearchCompletion(benchmark::State& bench) {
    DraftRoom& draft = room();
    const auto entries = fillSearchList(draft.state);
    if (!draft.ready || !entries) {
        bench.SkipWithError("no sample draft (set QUORVANE_SAMPLE_PROJECTIONS)");
        return;
    }
    for (auto _ : bench) {
        benchmark::DoNotOptimize(findSearchEntry(*entries, "wes"));
    }
}
BENCHMARK(BM_SearchCompletion)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
}  // namespace quorvane
