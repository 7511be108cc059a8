// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "projections/Exports.h"
#include "projections/ProjectionDownload.h"
#include "projections/ProjectionEdits.h"
#include "projections/ProjectionImport.h"
#include "projections/ProjectionTable.h"

namespace quorvane {

struct DraftSession;
struct ProgramState;
class UserDialogs;

// The projections' work as the front ends run it: the busy pointer on and the progress shown while
// they work, then a refusal or failure shown; nullopt after it was shown.
std::optional<ImportResult> importProjectionSource(DraftSession& session, UserDialogs& dialogs,
                                                   const ProjectionSource& source);
std::optional<ImportResult> importProjectionFile(DraftSession& session, UserDialogs& dialogs,
                                                 const std::string& path);
std::optional<ImportResult> importProjectionText(DraftSession& session, UserDialogs& dialogs,
                                                 std::string_view text);

std::optional<TableFile> readProjectionTableFile(ProgramStore& store, UserDialogs& dialogs,
                                                 const std::string& path,
                                                 const std::string& sheet = {});
std::optional<TableFile> readProjectionTableBytes(ProgramStore& store, UserDialogs& dialogs,
                                                  std::string_view bytes, const std::string& label,
                                                  const std::string& sheet = {});
std::optional<TableImportReport> importProjectionTable(DraftSession& session, UserDialogs& dialogs,
                                                       const std::string& path,
                                                       const TableImportOptions& options);
std::optional<TableImportReport> importProjectionTable(DraftSession& session, UserDialogs& dialogs,
                                                       const DelimitedTable& table,
                                                       const std::string& label,
                                                       const TableImportOptions& options);

// "Update Projections" with the program's projection service.
std::optional<ImportResult> downloadProjections(ProgramState& state, UserDialogs& dialogs,
                                                UrlTransfer& transfer, std::string_view user,
                                                std::string_view password,
                                                const ProjectionTextImport& import = {});

// The edit windows' reads and writes: nullopt or false after the refusal or failure was shown.
std::optional<GridTable> listProjectionPlayers(DraftSession& session, UserDialogs& dialogs,
                                               int editPosIndex);
std::optional<PlayerProjection> loadPlayerProjection(DraftSession& session, UserDialogs& dialogs,
                                                     int playerid);
bool saveProjectionEdit(DraftSession& session, UserDialogs& dialogs, const PlayerProjection& player,
                        const std::vector<std::string>& statTexts);
bool clearProjectionEdits(ProgramStore& store, UserDialogs& dialogs, int playerid);
bool clearAllProjectionEdits(ProgramStore& store, UserDialogs& dialogs);

// "Export": projections first brought up to date with the room's values (a database another
// program holds busy then stops the export), the file written and "Export Complete!" shown.
bool runExport(ProgramState& state, UserDialogs& dialogs, ExportKind kind,
               const std::string& folder, bool replace);

// "Projections updated through: …", or empty after the failed read was shown.
std::string getRevisionText(ProgramStore& store, UserDialogs& dialogs);

}  // namespace quorvane
