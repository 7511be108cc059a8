// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "projections/DelimitedTable.h"
#include "projections/TableFields.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// How a projection table is to be read; everything left empty is detected.
struct TableImportOptions {
    std::optional<int> season;    // the projection season when empty
    std::optional<bool> perGame;  // from the headings, else the magnitudes, when empty
    std::vector<std::pair<std::string, TableField>> mappings;  // heading -> field, over the aliases
    std::string source;  // names the ADP and AAV figures; the file's name when empty
    bool dryRun = false;
};

struct TableColumn {
    std::string heading;
    TableField field = TableField::Ignore;
    bool known = false;  // the alias table or a mapping named it
};

// Which field each column feeds and whether the figures are per game.
struct TableLayout {
    std::vector<TableColumn> columns;
    bool perGame = false;
    std::vector<std::string> missingMappings;  // mapped headings the table does not have
};

// The first record is the heading line. Headings map through the alias table, then the
// mappings; a field fed by two columns takes the first.
TableLayout mapTableColumns(const DelimitedTable& table, const TableImportOptions& options);

struct TableImportReport {
    TableLayout layout;
    int season = 0;
    std::string source;
    long long matched = 0;
    long long created = 0;
    long long ambiguous = 0;
    long long skipped = 0;  // repeated heading lines, rows without a name, a player's second row
    std::vector<std::string> createdNames;
    std::vector<std::string> ambiguousNames;  // "Name (line N)"
    std::vector<std::string> notes;           // points that disagree, rows given twice
};

// Reads a table file whole; nullopt after "could not be opened" was shown and logged.
std::optional<DelimitedTable> readProjectionTableFile(ProgramState& state, UserDialogs& dialogs,
                                                      const std::string& path);

// Imports a projection table of any common layout: maps its columns, turns per-game figures
// into season totals, matches each row to a player by name (and team where two share a name),
// creates the players nobody matches and writes the rows as the program's own projection file
// would, all in one transaction; ADP and AAV are kept under the source's name. With dryRun
// nothing is written. Nullopt after a refusal or failure was shown and logged.
std::optional<TableImportReport> importProjectionTable(ProgramState& state, UserDialogs& dialogs,
                                                       const std::string& path,
                                                       const TableImportOptions& options);

// The same over a table already read; `label` names it in messages.
std::optional<TableImportReport> importProjectionTable(ProgramState& state, UserDialogs& dialogs,
                                                       const DelimitedTable& table,
                                                       const std::string& label,
                                                       const TableImportOptions& options);

}  // namespace quorvane
