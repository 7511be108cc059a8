// SPDX-License-Identifier: MIT
// What following other programs costs an open window: the look it takes a few times a second
// when nothing changed, and the look after another program made a pick (the stamps of the
// draft and the players read again, the draft reloaded), with the 1,070 sample players.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "draftconfig/NewDraft.h"
#include "session/DraftConversation.h"
#include "session/OutsideChanges.h"

namespace quorvane {
namespace {

struct WatchedDraft {
    bench::BenchDatabase database;
    Connection other;
    OutsideChangeWatch watch;
    bool ready = false;
    int draftId = 0;

    WatchedDraft() {
        const auto draft =
            database.loadSampleProjections()
                ? createDraft(database.state, database.dialogs, {"Bench", 11, false, true})
                : std::nullopt;
        draftId = draft.value_or(0);
        ready = draft && openConnection(other, database.state.connectionString, Log());
        watch.look(database.state);
    }
};

void BM_WatchLookWithoutChange(benchmark::State& run) {
    WatchedDraft draft;
    if (!draft.ready) {
        run.SkipWithError("no draft");
        return;
    }
    for (auto _ : run) {
        benchmark::DoNotOptimize(draft.watch.look(draft.database.state));
    }
}
BENCHMARK(BM_WatchLookWithoutChange)->Unit(benchmark::kMicrosecond);

void BM_WatchLookAfterAnotherProgramsPick(benchmark::State& run) {
    WatchedDraft draft;
    if (!draft.ready) {
        run.SkipWithError("no draft");
        return;
    }
    std::int64_t player = 0;
    for (auto _ : run) {
        run.PauseTiming();
        executeSql(draft.other,
                   "insert or replace into DraftTaken (template_id, playerid, teamid, draftorder)"
                   " values (?, ?, ?, ?)",
                   {SqlValue{std::int64_t{draft.draftId}}, SqlValue{++player},
                    SqlValue{std::int64_t{1}}, SqlValue{std::int64_t{1}}});
        run.ResumeTiming();
        const auto change = draft.watch.look(draft.database.state);
        if (!change || !change->draft) {
            run.SkipWithError("the pick was not seen");
            return;
        }
    }
}
BENCHMARK(BM_WatchLookAfterAnotherProgramsPick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvane
