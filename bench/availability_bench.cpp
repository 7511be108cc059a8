// SPDX-License-Identifier: MIT
// Who is still there at the user's next two turns on the sample's twelve-team snake, and a whole
// practice snake of 12 × 13 picks by the bots, through the real loader, valuation and writers.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "BenchSupport.h"
#include "availability/Availability.h"
#include "availability/TurnSequence.h"
#include "draftconfig/NewDraft.h"
#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "practice/PracticeDrafts.h"
#include "practice/PracticeRun.h"
#include "session/DraftConversation.h"
#include "session/DraftModelConversation.h"
#include "session/PracticeConversation.h"
#include "valuation/Ranks.h"

namespace {

using namespace quorvane;

constexpr int kTeams = 12;

// The sample's season in a fresh database, a twelve-team rotisserie snake valued and loaded.
std::optional<int> sampleSnake(benchmark::State& bench, bench::BenchDatabase& database) {
    if (!database.loadSampleProjections()) {
        bench.SkipWithError("sample projections not found");
        return std::nullopt;
    }
    ProgramState& state = database.state;
    const auto id = createDraft(state, database.dialogs, {"Snake", kTeams - 1, false, true});
    if (!id) {
        bench.SkipWithError("no draft");
        return std::nullopt;
    }
    executeSql(state.dbConnection, "update DraftTemplate set drafttype = 1 where template_id = ?",
               {SqlValue{std::int64_t{*id}}});
    loadDraft(state, *id);
    if (!calcRanks(state, database.dialogs)) {
        bench.SkipWithError("valuation failed");
        return std::nullopt;
    }
    return id;
}

// The user (draft position 1) on the clock at pick 1: his horizons are picks 24 and 25, so each
// continuation plays 24 turns.
void BM_AvailabilitySampleSnake(benchmark::State& bench) {
    bench::BenchDatabase database;
    if (!sampleSnake(bench, database)) {
        return;
    }
    std::optional<DraftModel> model = loadDraftModel(database.state, database.dialogs);
    if (!model) {
        bench.SkipWithError("no model");
        return;
    }
    AvailabilityRequest request;
    request.team = 0;
    request.continuations = static_cast<int>(bench.range(0));
    request.seed = defaultSeed(*model);
    for (auto _ : bench) {
        const auto figures = availability(*model, request);
        benchmark::DoNotOptimize(figures->players.data());
    }
    bench.counters["continuations"] = static_cast<double>(request.continuations);
}
BENCHMARK(BM_AvailabilitySampleSnake)->Arg(10000)->Unit(benchmark::kMillisecond);

// A practice copy of the snake drafted to the end by the bots, the user's turns by the advice:
// 156 picks, each one written in its own transaction.
void BM_PracticeSnakeToTheEnd(benchmark::State& bench) {
    bench::BenchDatabase database;
    const auto id = sampleSnake(bench, database);
    if (!id) {
        return;
    }
    ProgramState& state = database.state;
    std::uint64_t seed = 1;
    std::size_t picks = 0;
    for (auto _ : bench) {
        bench.PauseTiming();
        loadDraft(state, *id);
        const Outcome<int> practice = createPractice(state, {*id, "", seed++, false});
        loadDraft(state, practice ? *practice : 0);
        bench.ResumeTiming();
        PracticeRunOptions options;
        options.toEnd = true;
        picks = runPracticeTold(state, database.dialogs, options).picks.size();
    }
    bench.counters["picks"] = static_cast<double>(picks);
}
BENCHMARK(BM_PracticeSnakeToTheEnd)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
