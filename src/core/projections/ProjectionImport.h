// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "projections/ProjectionLines.h"
#include "vocabulary/Outcome.h"
#include "vocabulary/Progress.h"

namespace quorvane {

struct ProgramStore;

// Players a completed import added and changed.
struct ImportResult {
    long long inserted = 0;
    long long updated = 0;
};

// Where projection lines come from. The import walks the source twice, once to check every
// line (and decide the file's code page) and once to write them, and refuses to commit when the
// two walks disagree.
struct ProjectionSource {
    std::string label;          // names the source in messages: the path, or the download
    std::string headerLogLine;  // logged when the first line is not a projection header
    // Walks every line, the header included; false when the lines could not all be read.
    std::function<bool(const LineVisitor&)> walk;
};

// Imports any projection source into the projection season `projectionYear`: every line is
// checked before anything is written, and the whole source lands in one transaction or not at
// all. A refusal or failure comes back with its message; its log line was written.
Outcome<ImportResult> importProjectionSource(ProgramStore& store, int projectionYear,
                                             const ProjectionSource& source,
                                             const Progress& progress = {});

// Imports a projection CSV file (the file list's choice, `import FILE`).
Outcome<ImportResult> importProjectionFile(ProgramStore& store, int projectionYear,
                                           const std::string& path, const Progress& progress = {});

// Imports projection CSV text (the download).
Outcome<ImportResult> importProjectionText(ProgramStore& store, int projectionYear,
                                           std::string_view text, const Progress& progress = {});

// "Projections updated through: " and the newest revision date of the projections; a failed
// read comes back with its message (its log line written).
Outcome<std::string> readRevisionText(ProgramStore& store);

}  // namespace quorvane
