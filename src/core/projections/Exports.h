// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

struct ProgramState;
class UserDialogs;

enum class ExportKind { Rosters, DraftResults, Projections };

// The kind named by the export menu's text: "roster", "draft" or "hprojections".
std::optional<ExportKind> exportKindOf(std::string_view strExport);
// The export window's title for a kind ("Rosters", "Draft/Auction", "Player Projections").
std::string exportTitle(ExportKind kind);
// The file a kind writes into the chosen folder.
std::string exportFileName(ExportKind kind);
// The export window's instruction text.
std::string exportInstruction();

// Writes one export file into `folder` (CR LF lines, fields quoted when they hold a comma, a
// quote or a line break, text fields that a spreadsheet would take for a formula written with
// a leading apostrophe). An earlier file is replaced only when `replace` says so, and the file
// is never one of the program's own, a link, a pipe or a device. Projections bring the values
// up to date first. Shows "Export Complete!" and returns true when written; false after the
// failure was shown and logged, with nothing written and an earlier file unchanged.
bool runExport(ProgramState& state, UserDialogs& dialogs, ExportKind kind,
               const std::string& folder, bool replace);

}  // namespace quorvane
