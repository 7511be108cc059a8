// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "vocabulary/Decision.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSettings;
struct ProgramStore;

enum class ExportKind { Rosters, DraftResults, Projections };

// The kind named by the export menu's text: "roster", "draft" or "hprojections".
std::optional<ExportKind> exportKindOf(std::string_view strExport);
// The export window's title for a kind ("Rosters", "Draft/Auction", "Player Projections").
std::string exportTitle(ExportKind kind);
// The file a kind writes into the chosen folder.
std::string exportFileName(ExportKind kind);
// The export window's instruction text.
std::string exportInstruction();

// A file the export may not take the place of (one of the program's own, a link, a pipe, a
// device, or an earlier file `replace` does not allow), refused before any work is done.
std::optional<Message> refuseExportTarget(const ProgramStore& store, ExportKind kind,
                                          const std::string& folder, bool replace);

// Writes one export file of the draft into `folder` (CR LF lines, fields quoted when they hold a
// comma, a quote or a line break, text fields that a spreadsheet would take for a formula
// written with a leading apostrophe), with the figures the file holds now. An earlier file is
// replaced only when `replace` says so, and the file is never one of the program's own, a link,
// a pipe or a device. "Export Complete!" when written; otherwise the failure with its message
// (its log line written), nothing written and an earlier file unchanged.
Outcome<Message> writeExport(ProgramStore& store, int projectionYear, const DraftSettings& draft,
                             ExportKind kind, const std::string& folder, bool replace);

}  // namespace quorvane
