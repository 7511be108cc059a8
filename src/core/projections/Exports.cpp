// SPDX-License-Identifier: MIT
#include "projections/Exports.h"

#include <filesystem>
#include <vector>

#include "platform/SafeFileWriter.h"
#include "platform/Version.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/ExportRows.h"
#include "text/CsvText.h"
#include "valuation/Ranks.h"

namespace quorvane {

namespace {

constexpr std::string_view kStatisticsHeader =
    "GP, MIN, PTS, FGA, FGM, FTA, FTM, pt3a, pt3m, OREB, DREB, assists, steals,blocks,turnovers, "
    "doubledouble,tripledouble";

std::string header(ExportKind kind, bool auction) {
    if (kind == ExportKind::Projections) {
        return auction ? "First Name,Last Name,Pos,Team,$," + std::string(kStatisticsHeader)
                       : "Rank,First Name,Last Name,Pos,Team," + std::string(kStatisticsHeader);
    }
    return auction ? "Team Name,First Name,Last Name,Position,Team,Order,Dollars"
                   : "Team Name,First Name,Last Name,Position,Team,Order";
}

std::vector<std::string> record(const ProjectionExportRow& row, bool auction) {
    std::vector<std::string> fields;
    if (!auction) {
        fields.push_back(row.draftorder);
    }
    fields.insert(fields.end(), {row.firstname, row.lastname, row.pos, row.team});
    if (auction) {
        fields.push_back(row.dollars);
    }
    fields.insert(fields.end(), row.statistics.begin(), row.statistics.end());
    return fields;
}

std::vector<std::string> record(const PickExportRow& row, bool auction) {
    std::vector<std::string> fields = {row.teamname, row.firstname, row.lastname,
                                       row.pos,      row.team,      row.draftorder};
    if (auction) {
        fields.push_back(row.dollars);
    }
    return fields;
}

// Every record as one CSV line ending in CR LF; nullopt when the rows could not be read.
template <class Row>
std::optional<std::string> csvRecords(const std::optional<std::vector<Row>>& rows, bool auction) {
    if (!rows) {
        return std::nullopt;
    }
    std::string text;
    for (const Row& row : *rows) {
        text += csvFileLine(record(row, auction)) + "\r\n";
    }
    return text;
}

// Refusals of the name itself say why; a folder that is missing or a write the system refused
// keeps the export's long-standing message.
bool refusedByName(const FileWriteResult& result) {
    return result.problem != FileWriteProblem::NoFolder &&
           result.problem != FileWriteProblem::WriteFailed;
}

}  // namespace

std::optional<ExportKind> exportKindOf(std::string_view strExport) {
    if (strExport == "roster") {
        return ExportKind::Rosters;
    }
    if (strExport == "draft") {
        return ExportKind::DraftResults;
    }
    if (strExport == "hprojections") {
        return ExportKind::Projections;
    }
    return std::nullopt;
}

std::string exportTitle(ExportKind kind) {
    switch (kind) {
        case ExportKind::Rosters:
            return "Rosters";
        case ExportKind::DraftResults:
            return "Draft/Auction";
        case ExportKind::Projections:
            break;
    }
    return "Player Projections";
}

std::string exportFileName(ExportKind kind) {
    switch (kind) {
        case ExportKind::Rosters:
            return "quorvane_draft_rosters.csv";
        case ExportKind::DraftResults:
            return "quorvane_draft_order.csv";
        case ExportKind::Projections:
            break;
    }
    return "quorvane_projections.csv";
}

std::string exportInstruction() {
    return "Select the directory where you want to put the export file.  The projections will "
           "be for the currently draft, ranks and dollar values will be predraft values.";
}

bool runExport(ProgramState& state, UserDialogs& dialogs, ExportKind kind,
               const std::string& folder, bool replace) {
    if (!state.draftSettings()) {
        return false;
    }
    const FileTarget target{std::filesystem::path(folder) / exportFileName(kind), replace, {}};
    const OwnFiles own = ownFilesOf(state);
    // A file the export may not take the place of is refused before any work is done.
    if (const FileWriteResult checked = checkFileTarget(target, own);
        !checked.ok() && refusedByName(checked)) {
        dialogs.showMessage(exportTitle(kind), fileProblemText(checked, target),
                            MessageIcon::Exclamation);
        return false;
    }
    // Held to the end: the valuation below may read the denominators into a new loaded draft.
    const std::shared_ptr<const LoadedDraft> held = state.loadedDraft;
    const DraftSettings& draft = *held->draftSettings;
    const bool auction = draft.drafttype == kDraftTypeAuction;
    dialogs.setBusy(true);
    if (kind == ExportKind::Projections) {
        const bool valued = calcRoomValues(state, dialogs);
        // Values another program kept from being brought up to date would be written as if
        // they were: the user is told the database is busy instead, and nothing is written.
        if (!valued && reportDatabaseBusy(dialogs, state.dbConnection)) {
            dialogs.setBusy(false);
            return false;
        }
    }
    const std::optional<std::string> records =
        kind == ExportKind::Projections
            ? csvRecords(readProjectionExportRows(state.dbConnection, state.projectionYear),
                         auction)
            : csvRecords(
                  readPickExportRows(state.dbConnection, state.projectionYear, draft.template_id,
                                     kind == ExportKind::Rosters ? PickExportOrder::ByTeam
                                                                 : PickExportOrder::ByPick),
                  auction);
    if (!records) {
        dialogs.setBusy(false);
        reportDatabaseError(dialogs, state.dbConnection,
                            kind == ExportKind::Rosters ? " 25001 error: could not select roster"
                                                        : " 25003 error: could not select draft");
        return false;
    }

    const std::string text = header(kind, auction) + "\r\n" + *records;
    const FileWriteResult written = writeFileSafely(target, own, text);
    dialogs.setBusy(false);
    if (!written.ok()) {
        if (refusedByName(written)) {
            dialogs.showMessage(exportTitle(kind), fileProblemText(written, target),
                                MessageIcon::Exclamation);
            return false;
        }
        dialogs.showMessage(kDatabaseErrorTitle,
                            kind == ExportKind::Rosters
                                ? "Could not create roster export file.  Make sure the projection "
                                  "file is closed. If this continues then please contact customer "
                                  "support."
                                : "Could not create roster export file. Make sure the projection "
                                  "file is closed. If this continues then please contact customer "
                                  "support.",
                            MessageIcon::Exclamation);
        state.dbConnection.log().writeEntry(" 25002 error: could not create export file: " +
                                            folder + " - " + fileProblemText(written, target));
        return false;
    }
    dialogs.showMessage(kProductName, "Export Complete!", MessageIcon::Information);
    return true;
}

}  // namespace quorvane
