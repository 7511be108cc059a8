// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "projections/DelimitedTable.h"
#include "projections/TableFields.h"
#include "projections/TableFile.h"
#include "vocabulary/Outcome.h"
#include "vocabulary/Progress.h"

namespace quorvane {

class Log;
struct ProgramStore;

// What the user decided for a row the import could not settle alone.
struct RowChoice {
    enum class Kind { Player, NewPlayer, Skip };
    std::string row;  // the name as the table writes it, or "NAME (line N)" as reports name rows
    Kind kind = Kind::Player;
    int playerid = 0;  // for Kind::Player
};

// How a projection table is to be read; everything left empty is detected.
struct TableImportOptions {
    std::optional<int> season;    // the projection season when empty
    std::optional<bool> perGame;  // from the headings, else the magnitudes, when empty
    std::vector<std::pair<std::string, TableField>> mappings;  // heading -> field, over the aliases
    std::string source;  // names the ADP and AAV figures; the file's name when empty
    bool dryRun = false;
    std::string sheet;               // a workbook's sheet; its first when empty
    std::vector<RowChoice> choices;  // rows the user matched, made new or skipped
    // More than half of the rows matching nobody means a wrong name column or season: such an
    // import is refused unless the user says the new players are meant.
    bool allowNew = false;
};

struct TableColumn {
    std::string heading;
    TableField field = TableField::Ignore;
    bool known = false;  // the alias table, the heading's words or a mapping named it
    // For a column the import does not use: the field it was nearest to, and the column (from 1)
    // that feeds that field already when it named one, else 0.
    TableField closest = TableField::Ignore;
    std::size_t usedColumn = 0;
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

// A stored player offered for a row.
struct PlayerSuggestion {
    int playerid = 0;
    std::string name;  // "First Last"
    std::string team;
};

// A row the user may want to settle before the import writes.
struct ReviewRow {
    enum class Kind {
        NoMatch,      // matches nobody: becomes a new player unless the user says otherwise
        Ambiguous,    // fits several players that neither team nor position tells apart: skipped
        LostLetters,  // the file's code page lost letters of the name ("Joki?"): skipped
        SingleName,   // one name only, which matches nobody: skipped
    };
    Kind kind = Kind::NoMatch;
    std::string label;  // "Name (line N)"
    std::string team;
    // Ambiguous: every player the name fits; otherwise up to three closest players, those of
    // the row's team first, then by the distance of their names.
    std::vector<PlayerSuggestion> candidates;
    // What a window offers first: the closest candidate when he plays for the row's team (a
    // misspelt name of a player the file holds), otherwise leaving the row out; never a new
    // player, which the user chooses knowingly. An ambiguous row is left out.
    RowChoice proposal;
    bool canBeNew() const { return kind == Kind::NoMatch || kind == Kind::Ambiguous; }
};

struct TableImportReport {
    TableLayout layout;
    int season = 0;
    std::string source;
    std::string sheet;  // the workbook's sheet read, empty for a text table
    long long matched = 0;
    long long created = 0;
    long long ambiguous = 0;
    long long skipped = 0;  // every row left out, for whatever reason below
    std::vector<std::string> createdNames;
    std::vector<std::string> ambiguousNames;  // "Name (line N)"
    std::vector<std::string> notes;           // points that disagree, rows given twice
    std::vector<std::string> skippedRows;     // "line 7: has 3 cells where the heading has 17"
    std::vector<std::string> skippedCounts;   // "2 blank lines", "1 aggregate row" ...
    std::vector<ReviewRow> review;            // rows the user may settle (dry run and window)
    long long playerRows = 0;                 // rows that stand for a player
    bool manyNew = false;                     // more than half of them would become new players
};

// Reads a table file whole (a text table or a workbook's sheet); a refusal ("could not be
// opened", "is a ZIP file but not a workbook" ...) comes back with its message, its log line
// written to `log`.
Outcome<TableFile> readProjectionTableFile(const Log& log, const std::string& path,
                                           const std::string& sheet = {});

// The same for bytes already read (standard input, the clipboard); `label` names them.
Outcome<TableFile> readProjectionTableBytes(const Log& log, std::string_view bytes,
                                            const std::string& label,
                                            const std::string& sheet = {});

// Imports a projection table of any common layout: maps its columns, turns per-game figures
// into season totals, matches each row to a player by name (and team where two share a name),
// creates the players nobody matches and writes the rows as the program's own projection file
// would, all in one transaction; ADP and AAV are kept under the source's name. The season is
// `projectionYear` unless the options name another. With dryRun nothing is written. A refusal
// or failure comes back with its message, its log line written.
Outcome<TableImportReport> importProjectionTable(ProgramStore& store, int projectionYear,
                                                 const std::string& path,
                                                 const TableImportOptions& options,
                                                 const Progress& progress = {});

// The same over a table already read; `label` names it in messages.
Outcome<TableImportReport> importProjectionTable(ProgramStore& store, int projectionYear,
                                                 const DelimitedTable& table,
                                                 const std::string& label,
                                                 const TableImportOptions& options,
                                                 const Progress& progress = {});

}  // namespace quorvane
