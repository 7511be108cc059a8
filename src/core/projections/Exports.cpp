// SPDX-License-Identifier: MIT
#include "projections/Exports.h"

#include <filesystem>
#include <vector>

#include "platform/Log.h"
#include "platform/SafeFileWriter.h"
#include "platform/Version.h"
#include "store/ExportRows.h"
#include "store/ProgramStore.h"
#include "text/CsvText.h"
#include "vocabulary/DatabaseMessages.h"
#include "vocabulary/DraftSettings.h"
#include "vocabulary/StatementFailures.h"

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

namespace {

FileTarget exportTarget(ExportKind kind, const std::string& folder, bool replace) {
    return {std::filesystem::path(folder) / exportFileName(kind), replace, {}};
}

Message exportMessage(ExportKind kind, const FileWriteResult& result, const FileTarget& target) {
    return {exportTitle(kind), fileProblemText(result, target), MessageIcon::Exclamation};
}

}  // namespace

std::optional<Message> refuseExportTarget(const ProgramStore& store, ExportKind kind,
                                          const std::string& folder, bool replace) {
    const FileTarget target = exportTarget(kind, folder, replace);
    if (const FileWriteResult checked = checkFileTarget(target, ownFilesOf(store));
        !checked.ok() && refusedByName(checked)) {
        return exportMessage(kind, checked, target);
    }
    return std::nullopt;
}

Outcome<Message> writeExport(ProgramStore& store, int projectionYear, const DraftSettings& draft,
                             ExportKind kind, const std::string& folder, bool replace) {
    const FileTarget target = exportTarget(kind, folder, replace);
    const bool auction = draft.drafttype == kDraftTypeAuction;
    Connection& connection = store.dbConnection;
    const std::optional<std::string> records =
        kind == ExportKind::Projections
            ? csvRecords(readProjectionExportRows(connection, projectionYear), auction)
            : csvRecords(readPickExportRows(connection, projectionYear, draft.template_id,
                                            kind == ExportKind::Rosters ? PickExportOrder::ByTeam
                                                                        : PickExportOrder::ByPick),
                         auction);
    if (!records) {
        return statementFailed(connection, kDatabaseAccessMessage,
                               kind == ExportKind::Rosters
                                   ? " 25001 error: could not select roster"
                                   : " 25003 error: could not select draft");
    }

    const std::string text = header(kind, auction) + "\r\n" + *records;
    const FileWriteResult written = writeFileSafely(target, ownFilesOf(store), text);
    if (!written.ok()) {
        if (refusedByName(written)) {
            return WriteFailure{
                WriteFailure::Kind::Refused, exportMessage(kind, written, target), {}, {}};
        }
        const std::string logLine = " 25002 error: could not create export file: " + folder +
                                    " - " + fileProblemText(written, target);
        connection.log().writeEntry(logLine);
        return WriteFailure{
            WriteFailure::Kind::Failed,
            Message{std::string(kDatabaseErrorTitle),
                    kind == ExportKind::Rosters
                        ? "Could not create roster export file.  Make sure the projection file is "
                          "closed. If this continues then please contact customer support."
                        : "Could not create roster export file. Make sure the projection file is "
                          "closed. If this continues then please contact customer support.",
                    MessageIcon::Exclamation},
            logLine,
            {}};
    }
    return Message{std::string(kProductName), "Export Complete!", MessageIcon::Information};
}

}  // namespace quorvane
