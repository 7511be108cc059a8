// SPDX-License-Identifier: MIT
// Projection tables of another layout: a generated per-game table of 100,000 players read,
// matched by name and written, into a database holding the sample projections. "New" creates
// every player; "Matched" imports the same table again, so every row matches and updates.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include "BenchSupport.h"
#include "projections/ProjectionTable.h"

namespace {

namespace fs = std::filesystem;

constexpr long long kRows = 100000;

fs::path tableFolder() {
    return fs::temp_directory_path() / ("quorvane-table-bench-" + std::to_string(getpid()));
}

struct TableFolderCleanup {
    ~TableFolderCleanup() {
        std::error_code error;
        fs::remove_all(tableFolder(), error);
    }
} const tableFolderCleanup;

// Per-game figures with one decimal, a percentage column beside attempts, total rebounds only,
// position lists and an ADP for every tenth row; names are unique and some carry accents.
const std::string& generatedTable() {
    static const std::string path = [] {
        fs::create_directories(tableFolder());
        const fs::path file = tableFolder() / "pergame.csv";
        std::ofstream out(file, std::ios::binary);
        out << "Player,Team,Pos,GP,MPG,PTS,FG%,FGA,FT%,FTA,3PM,REB,AST,STL,BLK,TO,ADP\n";
        constexpr const char* kPositions[] = {"PG", "\"PG,SG\"", "SF-PF", "C", "G-F"};
        for (long long row = 0; row < kRows; ++row) {
            out << (row % 7 == 0 ? "Dončić" : "First") << row << " Last" << row << ",T" << row % 30
                << ',' << kPositions[row % 5] << ',' << 20 + row % 63 << ',' << 10 + row % 30 << '.'
                << row % 10 << ',' << 5 + row % 25 << ".3,0." << 400 + row % 150 << ','
                << 4 + row % 15 << ".1,0." << 600 + row % 300 << ',' << row % 8 << ".5," << row % 4
                << ".2," << 2 + row % 10 << ".4," << row % 9 << ".7,0." << row % 10 << ",0."
                << row % 7 << ',' << row % 4 << ".1,";
            if (row % 10 == 0) {
                out << 1 + row / 10 << ".5";
            }
            out << '\n';
        }
        return file.string();
    }();
    return path;
}

void recordMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.SetItemsProcessed(state.iterations() * kRows);
}

bool imported(quorvane::bench::BenchDatabase& database, long long matched, long long created) {
    const auto report =
        quorvane::importProjectionTable(database.state, database.dialogs, generatedTable(), {});
    return report && report->matched == matched && report->created == created;
}

void BM_ImportPerGameTable100000NewPlayers(benchmark::State& state) {
    const std::string& table = generatedTable();
    benchmark::DoNotOptimize(table);
    for (auto _ : state) {
        state.PauseTiming();
        auto database = std::make_unique<quorvane::bench::BenchDatabase>();
        database->loadSampleProjections();
        state.ResumeTiming();
        if (!imported(*database, 0, kRows)) {
            state.SkipWithError("the table did not create every player");
            break;
        }
        state.PauseTiming();
        database.reset();
        state.ResumeTiming();
    }
    recordMemory(state);
}
BENCHMARK(BM_ImportPerGameTable100000NewPlayers)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImportPerGameTable100000Matched(benchmark::State& state) {
    quorvane::bench::BenchDatabase database;
    if (!database.loadSampleProjections() || !imported(database, 0, kRows)) {
        state.SkipWithError("the first import failed");
        return;
    }
    for (auto _ : state) {
        if (!imported(database, kRows, 0)) {
            state.SkipWithError("the table did not match every player");
            break;
        }
    }
    recordMemory(state);
}
BENCHMARK(BM_ImportPerGameTable100000Matched)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
