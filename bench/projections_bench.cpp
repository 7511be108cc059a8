// SPDX-License-Identifier: MIT
// Projection import speed: the shipped sample, and a generated file of 100,000 lines. Each
// iteration imports into a new database, so every line is an insert.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include "projections/ProjectionImport.h"
#include "session/DataStore.h"
#include "session/ProgramState.h"
#include "session/ProjectionConversation.h"
#include "session/UserDialogs.h"

namespace {

namespace fs = std::filesystem;

class SilentDialogs final : public quorvane::UserDialogs {
  public:
    void showMessage(std::string_view, std::string_view, quorvane::MessageIcon) override {}
    bool askYesNo(std::string_view, std::string_view) override { return false; }
    void setBusy(bool) override {}
    void progress(std::string_view, long long, long long) override {}
};

fs::path benchFolder() {
    return fs::temp_directory_path() / ("quorvane-bench-" + std::to_string(getpid()));
}

// Removes the generated file and the databases when the benchmark program ends.
struct BenchFolderCleanup {
    ~BenchFolderCleanup() {
        std::error_code error;
        fs::remove_all(benchFolder(), error);
    }
} const benchFolderCleanup;

// 100,000 player-seasons: ids 1..19999 over five seasons, LF line ends, no final line break.
const std::string& generatedFile() {
    static const std::string path = [] {
        fs::create_directories(benchFolder());
        const fs::path file = benchFolder() / "generated.csv";
        std::ofstream out(file, std::ios::binary);
        out << "playerid,statindicator,yearofprojection,firstname,lastname,pos,team,dob,games,"
               "minutes,fta,ftm,fga,fgm,pt3a,pt3m,oreb,dreb,assists,steals,blocks,turnovers,"
               "doubledouble,tripledouble,revisiondate,unused25,unused26,PG,SG,PF,SF,C";
        for (int line = 0; line < 100000; ++line) {
            const int id = line % 19999 + 1;
            const int year = 2015 + line / 19999;
            out << '\n'
                << id << ",P," << year << ",First" << id << ",O'Last" << id << ","
                << "CGF"[id % 3] << ",T" << id % 30 << ",1990-01-02," << id % 83 << ',' << id % 3000
                << ",100,80,900,400,300,100,50,250,300,70,30,120,5,1,2019-10-15,0,0,"
                << "1,0,0,0,0";
        }
        return file.string();
    }();
    return path;
}

void importIntoNewDatabases(benchmark::State& state, const std::string& file, long long lines) {
    SilentDialogs dialogs;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path folder = benchFolder() / ("db" + std::to_string(++run));
        fs::remove_all(folder);
        auto program = std::make_unique<quorvane::ProgramState>();
        quorvane::createNewDatabase(*program, dialogs, folder.string(), false);
        state.ResumeTiming();

        const auto result = quorvane::importProjectionFile(*program, dialogs, file);
        if (!result || result->inserted != lines) {
            state.SkipWithError("the import did not insert every line");
            break;
        }

        state.PauseTiming();
        program.reset();
        fs::remove_all(folder);
        state.ResumeTiming();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.SetItemsProcessed(state.iterations() * lines);
}

void BM_ImportSampleProjections(benchmark::State& state) {
    importIntoNewDatabases(state, std::string(QUORVANE_SOURCE_DATA_DIR) + "/sample_projections.csv",
                           1070);
}
BENCHMARK(BM_ImportSampleProjections)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_Import100000Lines(benchmark::State& state) {
    importIntoNewDatabases(state, generatedFile(), 100000);
}
BENCHMARK(BM_Import100000Lines)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
