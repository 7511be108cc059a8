// SPDX-License-Identifier: MIT
#include "projections/Exports.h"

#include <filesystem>
#include <vector>

#include "app/ProgramState.h"
#include "app/SafeFileWriter.h"
#include "app/UserDialogs.h"
#include "app/Version.h"
#include "store/CsvText.h"
#include "valuation/Ranks.h"

namespace quorvane {

namespace {

constexpr std::string_view kPicksSelect =
    "select dt.teamname, dp.firstname, dp.lastname, dp.team, dk.pos, dk.draftorder, dk.dollars "
    "from draftteams dt, draftplayers dp, draftTaken dk where dp.yearofprojection = ? and "
    "dt.teamid = dk.teamid and dt.template_id = dk.template_id and dk.playerid = dp.playerid and "
    "dt.template_id = ? order by ";

// Custom players have no projections to export.
constexpr std::string_view kProjectionsSelect =
    "select p.*, fgm*2.0+pt3m*1.0+ftm*1.0 as pts_scored from DraftPlayers p where "
    "yearofprojection = ? and playerid < 20000 and pos <> 'P' order by lastname, firstname";

constexpr std::string_view kStatisticsHeader =
    "GP, MIN, PTS, FGA, FGM, FTA, FTM, pt3a, pt3m, OREB, DREB, assists, steals,blocks,turnovers, "
    "doubledouble,tripledouble";

constexpr const char* kStatisticColumns[] = {
    "games",  "minutes", "pts_scored", "fga",          "fgm",         "fta",
    "ftm",    "pt3a",    "pt3m",       "oreb",         "dreb",        "assists",
    "steals", "blocks",  "turnovers",  "doubledouble", "tripledouble"};

std::string header(ExportKind kind, bool auction) {
    if (kind == ExportKind::Projections) {
        return auction ? "First Name,Last Name,Pos,Team,$," + std::string(kStatisticsHeader)
                       : "Rank,First Name,Last Name,Pos,Team," + std::string(kStatisticsHeader);
    }
    return auction ? "Team Name,First Name,Last Name,Position,Team,Order,Dollars"
                   : "Team Name,First Name,Last Name,Position,Team,Order";
}

std::vector<std::string> record(const Recordset& row, ExportKind kind, bool auction) {
    std::vector<std::string> fields;
    if (kind == ExportKind::Projections) {
        if (!auction) {
            fields.push_back(row.getText("draftorder"));
        }
        for (const char* column : {"firstname", "lastname", "pos", "team"}) {
            fields.push_back(row.getText(column));
        }
        if (auction) {
            fields.push_back(row.getText("dollars"));
        }
        for (const char* column : kStatisticColumns) {
            fields.push_back(row.getText(column));
        }
        return fields;
    }
    for (const char* column : {"teamname", "firstname", "lastname", "pos", "team"}) {
        fields.push_back(row.getText(column));
    }
    fields.push_back(row.getText("draftorder"));
    if (auction) {
        fields.push_back(row.getText("dollars"));
    }
    return fields;
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
    if (!state.draftSettings) {
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
    const DraftSettings& draft = *state.draftSettings;
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
    Recordset rows;
    const SqlValue year{std::int64_t{state.projectionYear}};
    bool selected = false;
    if (kind == ExportKind::Projections) {
        selected = openRecordset(rows, state.dbConnection, kProjectionsSelect, {year});
    } else {
        const std::string order =
            kind == ExportKind::Rosters ? "dt.teamid, dk.draftorder" : "dk.draftorder";
        selected = openRecordset(rows, state.dbConnection, std::string(kPicksSelect) + order,
                                 {year, SqlValue{std::int64_t{draft.template_id}}});
    }
    if (!selected) {
        dialogs.setBusy(false);
        reportDatabaseError(dialogs, state.dbConnection,
                            kind == ExportKind::Rosters ? " 25001 error: could not select roster"
                                                        : " 25003 error: could not select draft");
        return false;
    }

    std::string text = header(kind, auction) + "\r\n";
    for (; !rows.eof(); rows.moveNext()) {
        text += csvLine(record(rows, kind, auction)) + "\r\n";
    }
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
