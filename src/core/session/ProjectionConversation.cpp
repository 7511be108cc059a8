// SPDX-License-Identifier: MIT
#include "session/ProjectionConversation.h"

#include <utility>

#include "session/ProgramState.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"
#include "session/ValuationConversation.h"

namespace quorvane {

namespace {

Progress shownProgress(UserDialogs& dialogs) {
    return {[&dialogs](std::string_view text, long long done, long long total) {
                dialogs.progress(text, done, total);
            },
            {}};
}

// The work done with the busy pointer on and its progress shown.
template <class Work>
auto withBusyPointer(UserDialogs& dialogs, Work&& work) {
    const BusyPointer busy(dialogs);
    return work(shownProgress(dialogs));
}

}  // namespace

std::optional<ImportResult> importProjectionSource(DraftSession& session, UserDialogs& dialogs,
                                                   const ProjectionSource& source) {
    return shown(dialogs, withBusyPointer(dialogs, [&](const Progress& progress) {
                     return importProjectionSource(session, session.projectionYear, source,
                                                   progress);
                 }));
}

std::optional<ImportResult> importProjectionFile(DraftSession& session, UserDialogs& dialogs,
                                                 const std::string& path) {
    return shown(dialogs, withBusyPointer(dialogs, [&](const Progress& progress) {
                     return importProjectionFile(session, session.projectionYear, path, progress);
                 }));
}

std::optional<ImportResult> importProjectionText(DraftSession& session, UserDialogs& dialogs,
                                                 std::string_view text) {
    return shown(dialogs, withBusyPointer(dialogs, [&](const Progress& progress) {
                     return importProjectionText(session, session.projectionYear, text, progress);
                 }));
}

std::optional<TableFile> readProjectionTableFile(ProgramStore& store, UserDialogs& dialogs,
                                                 const std::string& path,
                                                 const std::string& sheet) {
    return shown(dialogs, withBusyPointer(dialogs, [&](const Progress&) {
                     return readProjectionTableFile(store.dbConnection.log(), path, sheet);
                 }));
}

std::optional<TableFile> readProjectionTableBytes(ProgramStore& store, UserDialogs& dialogs,
                                                  std::string_view bytes, const std::string& label,
                                                  const std::string& sheet) {
    return shown(dialogs, withBusyPointer(dialogs, [&](const Progress&) {
                     return readProjectionTableBytes(store.dbConnection.log(), bytes, label, sheet);
                 }));
}

std::optional<TableImportReport> importProjectionTable(DraftSession& session, UserDialogs& dialogs,
                                                       const std::string& path,
                                                       const TableImportOptions& options) {
    return shown(dialogs, withBusyPointer(dialogs, [&](const Progress& progress) {
                     return importProjectionTable(session, session.projectionYear, path, options,
                                                  progress);
                 }));
}

std::optional<TableImportReport> importProjectionTable(DraftSession& session, UserDialogs& dialogs,
                                                       const DelimitedTable& table,
                                                       const std::string& label,
                                                       const TableImportOptions& options) {
    return shown(dialogs, withBusyPointer(dialogs, [&](const Progress& progress) {
                     return importProjectionTable(session, session.projectionYear, table, label,
                                                  options, progress);
                 }));
}

std::optional<ImportResult> downloadProjections(ProgramState& state, UserDialogs& dialogs,
                                                UrlTransfer& transfer, std::string_view user,
                                                std::string_view password,
                                                const ProjectionTextImport& import) {
    const ProjectionService service{state.serviceHost, state.supportAddress};
    return shown(dialogs, withBusyPointer(dialogs, [&](const Progress& progress) {
                     return downloadProjections(state, state.projectionYear, service, transfer,
                                                user, password, progress, import);
                 }));
}

std::optional<GridTable> listProjectionPlayers(DraftSession& session, UserDialogs& dialogs,
                                               int editPosIndex) {
    return shown(dialogs,
                 listProjectionPlayers(session.dbConnection, session.projectionYear, editPosIndex));
}

std::optional<PlayerProjection> loadPlayerProjection(DraftSession& session, UserDialogs& dialogs,
                                                     int playerid) {
    return shown(dialogs,
                 loadPlayerProjection(session.dbConnection, session.projectionYear, playerid));
}

bool saveProjectionEdit(DraftSession& session, UserDialogs& dialogs, const PlayerProjection& player,
                        const std::vector<std::string>& statTexts) {
    return shown(dialogs, writeProjectionEdit(session.dbConnection, session.projectionYear,
                                              typedProjectionEdit(player, statTexts)))
        .has_value();
}

bool clearProjectionEdits(ProgramStore& store, UserDialogs& dialogs, int playerid) {
    return shown(dialogs, clearProjectionEdits(store.dbConnection, playerid)).has_value();
}

bool clearAllProjectionEdits(ProgramStore& store, UserDialogs& dialogs) {
    return shown(dialogs, clearAllProjectionEdits(store.dbConnection)).has_value();
}

bool runExport(ProgramState& state, UserDialogs& dialogs, ExportKind kind,
               const std::string& folder, bool replace) {
    if (!state.draftSettings()) {
        return false;
    }
    if (const auto refusal = refuseExportTarget(state, kind, folder, replace)) {
        showMessage(dialogs, *refusal);
        return false;
    }
    // Held to the end: the valuation below may read the denominators into a new loaded draft.
    const std::shared_ptr<const LoadedDraft> held = state.loadedDraft;
    std::optional<Outcome<Message>> written;
    {
        const BusyPointer busy(dialogs);
        if (kind == ExportKind::Projections) {
            const bool valued = calcRoomValues(state, dialogs);
            // Values another program kept from being brought up to date would be written as if
            // they were: the user is told the database is busy instead, and nothing is written.
            if (!valued && reportDatabaseBusy(dialogs, state.dbConnection)) {
                return false;
            }
        }
        written =
            writeExport(state, state.projectionYear, *held->draftSettings, kind, folder, replace);
    }
    const std::optional<Message> done = shown(dialogs, std::move(*written));
    if (done) {
        showMessage(dialogs, *done);
    }
    return done.has_value();
}

std::string getRevisionText(ProgramStore& store, UserDialogs& dialogs) {
    Outcome<std::string> text = readRevisionText(store);
    if (!text) {
        showMessage(dialogs, text.failure().message);
        return {};
    }
    return std::move(text.value());
}

}  // namespace quorvane
