// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "projections/Nicknames.h"
#include "projections/ProjectionTable.h"
#include "projections/StoredPlayers.h"
#include "projections/TableRows.h"

namespace quorvane {

// One player-season the import will write. The season row itself is built as it is written
// (plannedProjection): a million of them held at once would take a third of a gigabyte.
struct PlannedRow {
    std::size_t source = 0;  // the row of the table rows
    // A traded player's team: that of his last stint, when it is not the row's own; it views
    // the table rows.
    std::string_view team;
    int playerid = 0;  // the matched player; 0 for a new one
    bool created = false;
};

// The plan refers to the rows it was made of, which must outlive it.
struct ImportPlan {
    TableImportReport report;
    std::vector<PlannedRow> rows;
    std::string revisiondate;
    const TableRows* table = nullptr;

    TableRow source(const PlannedRow& planned) const { return (*table)[planned.source]; }
};

// The season row a planned row writes: what the player has stored, with everything the table
// gives (its source row) laid over it.
ProjectionRow plannedProjection(const ImportPlan& plan, const PlannedRow& planned,
                                const TableRow& source, const StoredPlayers& stored);

// What is wrong with the user's choices: a row no choice names, a player who does not exist,
// a new player made of a name that cannot be one.
struct ChoiceProblem {
    std::string text;
};

// Everything a table import decides before it writes, from the rows read and what is stored:
// which player each row is (by name, its other spellings, the nickname table, wildcards for
// lost letters, then team and position), which rows of one player count (a traded player's
// season row over his team rows), what each row makes of the stored season, and what the user
// should review.
std::variant<ImportPlan, ChoiceProblem> planImport(const TableRows& rows,
                                                   const StoredPlayers& stored,
                                                   const NicknameTable& nicknames,
                                                   const TableLayout& layout, int season,
                                                   const std::string& revisiondate,
                                                   const std::vector<RowChoice>& choices);

// "Name (line N)", as reports and choices name a row.
std::string describeRow(const TableRow& row);

}  // namespace quorvane
