// SPDX-License-Identifier: MIT
// A workbook of a million players (the most rows a sheet of projections comes near), read,
// matched and written as new players into a database holding the sample projections. The import
// runs in a child process of its own, so that "peak_rss_MiB" is the import's peak alone and not
// the benchmark's or the workbook writer's.
#include <benchmark/benchmark.h>
#include <zip.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "BenchSupport.h"
#include "projections/ProjectionTable.h"
#include "session/ProjectionConversation.h"

namespace {

namespace fs = std::filesystem;

constexpr long long kRows = 1000000;

// Named by the benchmark's own process, whichever child asks.
const fs::path& workbookFolder() {
    static const fs::path folder =
        fs::temp_directory_path() / ("quorvane-workbook-bench-" + std::to_string(getpid()));
    return folder;
}

struct WorkbookFolderCleanup {
    ~WorkbookFolderCleanup() {
        std::error_code error;
        fs::remove_all(workbookFolder(), error);
    }
} const workbookFolderCleanup;

std::string columnLetters(std::size_t column) {
    std::string letters;
    for (++column; column > 0; column = (column - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
    }
    return letters;
}

// The sheet as a spreadsheet saves it: names through the shared strings (each its own entry,
// teams shared by every row of the team), positions inline, figures as number cells.
void writeSheetParts(const fs::path& sheetPath, const fs::path& stringsPath) {
    std::ofstream sheet(sheetPath, std::ios::binary);
    std::ofstream strings(stringsPath, std::ios::binary);
    const std::string ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    sheet << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<worksheet xmlns=\"" << ns
          << "\"><sheetData><row r=\"1\">";
    strings << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sst xmlns=\"" << ns << "\">";
    const char* headings[] = {"Player", "Team", "Pos", "GP",  "MPG", "PTS", "FG%", "FGA", "FT%",
                              "FTA",    "3PM",  "REB", "AST", "STL", "BLK", "TO",  "ADP"};
    for (std::size_t c = 0; c < std::size(headings); ++c) {
        sheet << "<c r=\"" << columnLetters(c) << "1\" t=\"inlineStr\"><is><t>" << headings[c]
              << "</t></is></c>";
    }
    sheet << "</row>";
    for (int team = 0; team < 30; ++team) {
        strings << "<si><t>T" << team << "</t></si>";
    }
    constexpr const char* kPositions[] = {"PG", "PG,SG", "SF-PF", "C", "G-F"};
    for (long long row = 0; row < kRows; ++row) {
        const std::string r = std::to_string(row + 2);
        strings << "<si><t>" << (row % 7 == 0 ? "Dončić" : "First") << row << " Last" << row
                << "</t></si>";
        sheet << "<row r=\"" << r << "\"><c r=\"A" << r << "\" t=\"s\"><v>" << 30 + row
              << "</v></c><c r=\"B" << r << "\" t=\"s\"><v>" << row % 30 << "</v></c><c r=\"C" << r
              << "\" t=\"inlineStr\"><is><t>" << kPositions[row % 5] << "</t></is></c>";
        const double figures[] = {static_cast<double>(20 + row % 63),
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
                                  1 + row / 10 % 500 + 0.5};
        for (std::size_t f = 0; f < std::size(figures); ++f) {
            if (f + 1 == std::size(figures) && row % 10 != 0) {
                break;  // an ADP for every tenth player only
            }
            sheet << "<c r=\"" << columnLetters(f + 3) << r << "\"><v>" << figures[f] << "</v></c>";
        }
        sheet << "</row>";
    }
    sheet << "</sheetData></worksheet>";
    strings << "</sst>";
}

bool addPart(zip_t* archive, const std::string& name, const std::string& text) {
    zip_source_t* source = zip_source_buffer(archive, text.data(), text.size(), 0);
    return source != nullptr && zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) >= 0;
}

// Written by a child process, so that the writer's memory stays out of every figure.
const std::string& millionRowWorkbook() {
    static const std::string path = [] {
        fs::create_directories(workbookFolder());
        const fs::path file = workbookFolder() / "million.xlsx";
        const pid_t child = fork();
        if (child == 0) {
            const fs::path sheet = workbookFolder() / "sheet1.xml";
            const fs::path strings = workbookFolder() / "sharedStrings.xml";
            writeSheetParts(sheet, strings);
            int error = 0;
            zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
            const std::string ns = "http://schemas.openxmlformats.org/";
            static const std::string workbook =
                "<?xml version=\"1.0\"?>\n<workbook xmlns=\"" + ns +
                "spreadsheetml/2006/main\" xmlns:r=\"" + ns +
                "officeDocument/2006/relationships\"><sheets><sheet name=\"Projections\" "
                "sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
            static const std::string relationships =
                "<?xml version=\"1.0\"?>\n<Relationships xmlns=\"" + ns +
                "package/2006/relationships\"><Relationship Id=\"rId1\" Type=\"" + ns +
                "officeDocument/2006/relationships/worksheet\" "
                "Target=\"worksheets/sheet1.xml\"/></Relationships>";
            const bool written =
                archive != nullptr && addPart(archive, "xl/workbook.xml", workbook) &&
                addPart(archive, "xl/_rels/workbook.xml.rels", relationships) &&
                zip_file_add(archive, "xl/worksheets/sheet1.xml",
                             zip_source_file(archive, sheet.c_str(), 0, -1), 0) >= 0 &&
                zip_file_add(archive, "xl/sharedStrings.xml",
                             zip_source_file(archive, strings.c_str(), 0, -1), 0) >= 0 &&
                zip_close(archive) == 0;
            _exit(written ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? file.string() : std::string();
    }();
    return path;
}

// Imports the workbook in a child process; the child's peak resident memory in MiB, or a
// negative figure when the import failed.
double importedPeakMiB(const std::string& path) {
    const pid_t child = fork();
    if (child == 0) {
        quorvane::bench::BenchDatabase database;
        quorvane::TableImportOptions options;
        options.allowNew = true;
        const bool loaded = database.loadSampleProjections();
        const auto report =
            quorvane::importProjectionTable(database.state, database.dialogs, path, options);
        _exit(loaded && report && report->created == kRows ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return -1.0;
    }
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ImportXlsxMillionRowsPeakMemory(benchmark::State& state) {
    const std::string& path = millionRowWorkbook();
    if (path.empty()) {
        state.SkipWithError("the workbook could not be written");
        return;
    }
    double peak = 0.0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        peak = importedPeakMiB(path);
        if (peak < 0.0) {
            state.SkipWithError("the workbook did not create every player");
            break;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    }
    state.counters["peak_rss_MiB"] = peak;
    state.counters["workbook_MiB"] = static_cast<double>(fs::file_size(path)) / (1024.0 * 1024.0);
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ImportXlsxMillionRowsPeakMemory)
    ->Unit(benchmark::kSecond)
    ->UseManualTime()
    ->Iterations(1);

}  // namespace
