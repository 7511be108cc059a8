// SPDX-License-Identifier: MIT
// Projection tables of another layout: a generated per-game table of 100,000 players read,
// matched by name and written, into a database holding the sample projections. "New" creates
// every player; "Matched" imports the same table again, so every row matches and updates. The
// "Xlsx" ones read the same players from a workbook.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include "BenchSupport.h"
#include "WorkbookFiles.h"
#include "projections/ProjectionTable.h"
#include "session/ProjectionConversation.h"

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
// position lists and an ADP (up to 500) for every tenth row; names are unique and some carry
// accents.
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
                out << 1 + row / 10 % 500 << ".5";
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

bool importedFrom(const std::string& path, quorvane::bench::BenchDatabase& database,
                  long long matched, long long created) {
    quorvane::TableImportOptions options;
    options.allowNew = true;  // every row is a new player on the first import
    const auto report =
        quorvane::importProjectionTable(database.state, database.dialogs, path, options);
    return report && report->matched == matched && report->created == created;
}

bool imported(quorvane::bench::BenchDatabase& database, long long matched, long long created) {
    return importedFrom(generatedTable(), database, matched, created);
}

// The same players as a workbook a site sends: names and teams as shared strings, positions
// inline, every figure a number cell.
const std::string& generatedWorkbook() {
    static const std::string path = [] {
        fs::create_directories(tableFolder());
        const fs::path file = tableFolder() / "pergame.xlsx";
        using quorvane::test::WorkbookCell;
        quorvane::test::WorkbookRows rows;
        rows.reserve(kRows + 1);
        std::vector<WorkbookCell> heading;
        for (const char* text : {"Player", "Team", "Pos", "GP", "MPG", "PTS", "FG%", "FGA", "FT%",
                                 "FTA", "3PM", "REB", "AST", "STL", "BLK", "TO", "ADP"}) {
            heading.emplace_back(std::string(text));
        }
        rows.push_back(std::move(heading));
        constexpr const char* kPositions[] = {"PG", "PG,SG", "SF-PF", "C", "G-F"};
        for (long long row = 0; row < kRows; ++row) {
            std::vector<WorkbookCell> cells = {
                std::string(row % 7 == 0 ? "Dončić" : "First") + std::to_string(row) + " Last" +
                    std::to_string(row),
                "T" + std::to_string(row % 30),
                std::string(kPositions[row % 5]),
                static_cast<double>(20 + row % 63),
                10 + row % 30 + (row % 10) / 10.0,
                5 + row % 25 + 0.3,
                (400 + row % 150) / 1000.0,
                4 + row % 15 + 0.1,
                (600 + row % 300) / 1000.0,
                row % 8 + 0.5,
                row % 4 + 0.2,
                2 + row % 10 + 0.4,
                row % 9 + 0.7,
                (row % 10) / 10.0,
                (row % 7) / 10.0,
                row % 4 + 0.1,
                row % 10 == 0 ? WorkbookCell(1 + row / 10 % 500 + 0.5)
                              : WorkbookCell(std::string())};
            rows.push_back(std::move(cells));
        }
        quorvane::test::writeXlsx(file.string(), {{"Projections", rows}});
        return file.string();
    }();
    return path;
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

namespace {

void BM_ImportXlsx100000NewPlayers(benchmark::State& state) {
    const std::string& workbook = generatedWorkbook();
    benchmark::DoNotOptimize(workbook);
    for (auto _ : state) {
        state.PauseTiming();
        auto database = std::make_unique<quorvane::bench::BenchDatabase>();
        database->loadSampleProjections();
        state.ResumeTiming();
        if (!importedFrom(workbook, *database, 0, kRows)) {
            state.SkipWithError("the workbook did not create every player");
            break;
        }
        state.PauseTiming();
        database.reset();
        state.ResumeTiming();
    }
    recordMemory(state);
}
BENCHMARK(BM_ImportXlsx100000NewPlayers)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ImportXlsx100000Matched(benchmark::State& state) {
    quorvane::bench::BenchDatabase database;
    if (!database.loadSampleProjections() ||
        !importedFrom(generatedWorkbook(), database, 0, kRows)) {
        state.SkipWithError("the first import failed");
        return;
    }
    for (auto _ : state) {
        if (!importedFrom(generatedWorkbook(), database, kRows, 0)) {
            state.SkipWithError("the workbook did not match every player");
            break;
        }
    }
    recordMemory(state);
}
BENCHMARK(BM_ImportXlsx100000Matched)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
