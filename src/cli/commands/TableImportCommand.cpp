// SPDX-License-Identifier: MIT
#include <charconv>
#include <iterator>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "platform/Version.h"
#include "projections/ProjectionTable.h"
#include "session/ProjectionConversation.h"

namespace quorvane::cli {

namespace {

constexpr const char* kStandardInput = "-";

struct TableImportArguments {
    std::string path;
    std::optional<int> season;
    bool perGame = false;
    bool totals = false;
    std::vector<std::string> mappings;
    std::string source;
    bool dryRun = false;
    std::string sheet;
    std::vector<std::string> matches;
    bool allowNew = false;
};

std::string fieldNames() {
    std::string names;
    for (const TableField field : allTableFields()) {
        names += std::string(names.empty() ? "" : ", ") + std::string(tableFieldName(field));
    }
    return names;
}

// One write for the whole list: a table of new players can name a hundred thousand.
void writeNames(CliContext& context, std::string_view kind, const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text.append(kind).append(": ").append(name).append("\n");
    }
    context.err << text;
}

// "ROW NAME=PLAYERID", "ROW NAME=new" or "ROW NAME=skip".
std::optional<RowChoice> readChoice(const std::string& text) {
    const std::size_t equals = text.rfind('=');
    if (equals == std::string::npos || equals == 0) {
        return std::nullopt;
    }
    RowChoice choice;
    choice.row = text.substr(0, equals);
    const std::string value = text.substr(equals + 1);
    if (value == "new") {
        choice.kind = RowChoice::Kind::NewPlayer;
        return choice;
    }
    if (value == "skip") {
        choice.kind = RowChoice::Kind::Skip;
        return choice;
    }
    const auto [end, error] =
        std::from_chars(value.data(), value.data() + value.size(), choice.playerid);
    if (error != std::errc() || end != value.data() + value.size() || choice.playerid <= 0) {
        return std::nullopt;
    }
    return choice;
}

std::string suggestionList(const std::vector<PlayerSuggestion>& players) {
    std::string text;
    for (const PlayerSuggestion& player : players) {
        text += (text.empty() ? "" : ", ") + std::to_string(player.playerid) + " " + player.name +
                (player.team.empty() ? "" : " (" + player.team + ")");
    }
    return text;
}

// Each row to review with the players it could be, one line each.
void writeReview(CliContext& context, const TableImportReport& report) {
    std::string text;
    for (const ReviewRow& row : report.review) {
        switch (row.kind) {
            case ReviewRow::Kind::NoMatch:
                if (row.candidates.empty()) {
                    continue;
                }
                text += "Closest to " + row.label + ": ";
                break;
            case ReviewRow::Kind::Ambiguous:
                text += "Candidates of " + row.label + ": ";
                break;
            case ReviewRow::Kind::LostLetters:
                text += "Not imported, letters lost to the file's code page: " + row.label +
                        (row.candidates.empty() ? "" : "; closest: ");
                break;
            case ReviewRow::Kind::SingleName:
                text += "Not imported, a single name that matches nobody: " + row.label +
                        (row.candidates.empty() ? "" : "; closest: ");
                break;
        }
        text += suggestionList(row.candidates) + "\n";
    }
    context.err << text;
}

void writeColumns(CliContext& context, const TableImportReport& report) {
    context.writeCsv({"column", "field"});
    for (const TableColumn& column : report.layout.columns) {
        context.writeCsv({column.heading, std::string(tableFieldName(column.field))});
    }
    std::string text;
    for (std::size_t c = 0; c < report.layout.columns.size(); ++c) {
        const TableColumn& column = report.layout.columns[c];
        if (column.usedColumn != 0) {
            text += "Unused column: " + column.heading + " (" +
                    std::string(tableFieldName(column.closest)) + ", read from column " +
                    std::to_string(column.usedColumn) + ")\n";
        } else if (!column.known) {
            text += "Unused column: " + column.heading +
                    " (closest field: " + std::string(tableFieldName(column.closest)) + ")\n";
        }
    }
    context.err << text;
}

std::optional<TableFile> readStandardInput(CliContext& context, const std::string& sheet) {
    const std::string bytes{std::istreambuf_iterator<char>(context.in),
                            std::istreambuf_iterator<char>()};
    auto file =
        readProjectionTableBytes(context.state, context.dialogs, bytes, "standard input", sheet);
    // A table copied from a page may come without its heading line.
    if (file && file->sheets.empty()) {
        file->table = withHeadingsOrNumbered(std::move(file->table));
    }
    return file;
}

int runImportTable(CliContext& context, const TableImportArguments& arguments) {
    if (arguments.perGame && arguments.totals) {
        return context.usageError("import-table takes one of --per-game and --totals");
    }
    TableImportOptions options;
    options.season = arguments.season;
    if (arguments.perGame || arguments.totals) {
        options.perGame = arguments.perGame;
    }
    for (const std::string& mapping : arguments.mappings) {
        const auto equals = mapping.rfind('=');
        const auto field = equals == std::string::npos
                               ? std::nullopt
                               : tableFieldOfName(mapping.substr(equals + 1));
        if (!field || equals == 0) {
            return context.usageError("--map takes HEADER=FIELD, FIELD one of " + fieldNames());
        }
        options.mappings.emplace_back(mapping.substr(0, equals), *field);
    }
    for (const std::string& match : arguments.matches) {
        const auto choice = readChoice(match);
        if (!choice) {
            return context.usageError(
                "--match takes \"ROW NAME=PLAYERID\", \"ROW NAME=new\" or \"ROW NAME=skip\"");
        }
        options.choices.push_back(*choice);
    }
    options.source = arguments.source;
    options.dryRun = arguments.dryRun;
    options.sheet = arguments.sheet;
    options.allowNew = arguments.allowNew;
    if (!context.openStore()) {
        return kExitFailed;
    }
    std::optional<TableImportReport> report;
    if (arguments.path == kStandardInput) {
        const auto file = readStandardInput(context, arguments.sheet);
        if (!file) {
            return kExitFailed;
        }
        if (options.source.empty()) {
            options.source = "pasted";
        }
        report = importProjectionTable(context.state, context.dialogs, file->table,
                                       "standard input", options);
        if (report) {
            report->sheet = file->sheet;
        }
    } else {
        report = importProjectionTable(context.state, context.dialogs, arguments.path, options);
    }
    if (!report) {
        return kExitFailed;
    }
    writeColumns(context, *report);
    context.err << "Figures: " << (report->layout.perGame ? "per game" : "season totals")
                << ", season " << report->season << ", source " << report->source
                << (report->sheet.empty() ? "" : ", sheet " + report->sheet)
                << (options.dryRun ? ", dry run: nothing written" : "") << '\n';
    writeNames(context, "New", report->createdNames);
    writeNames(context, "Ambiguous, skipped", report->ambiguousNames);
    writeReview(context, *report);
    writeNames(context, "Skipped", report->skippedCounts);
    writeNames(context, "Not read", report->skippedRows);
    writeNames(context, "Note", report->notes);
    if (report->manyNew && options.dryRun) {
        context.err << "Warning: " << report->created << " of the " << report->playerRows
                    << " players match nobody: the name column or the season may be wrong; "
                       "the import needs --allow-new to create them\n";
    }
    context.out << "matched=" << report->matched << " new=" << report->created
                << " ambiguous=" << report->ambiguous << " skipped=" << report->skipped << '\n';
    return kExitDone;
}

}  // namespace

void addTableImportCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand(
        "import-table", "Load a projection table of another layout, matching players by name");
    auto arguments = std::make_shared<TableImportArguments>();
    command
        ->add_option("FILE", arguments->path,
                     "Table: CSV, TSV or semicolon separated text, an .xlsx or .xls workbook, or "
                     "- for a table on standard input (as copied from a page)")
        ->required();
    command
        ->add_option("--season", arguments->season,
                     "Season the figures belong to (default: the projection season)")
        ->check(CLI::Range(kFirstSeason, kLastSeason));
    command->add_flag("--per-game", arguments->perGame, "The figures are per game");
    command->add_flag("--totals", arguments->totals, "The figures are season totals");
    command->add_option("--map", arguments->mappings,
                        "HEADER=FIELD: read a column as a field (FIELD 'ignore' skips it)");
    command->add_option("--source", arguments->source,
                        "Name the ADP and AAV figures are kept under (default: the file name)");
    command->add_option("--sheet", arguments->sheet,
                        "The workbook's sheet to read (default: its first)");
    command->add_option("--match", arguments->matches,
                        "\"ROW NAME=PLAYERID\": the row is that player (\"=new\" a new player, "
                        "\"=skip\" left out); ROW NAME as the table writes it or as the report "
                        "names the row, \"Name (line N)\"");
    command->add_flag("--allow-new", arguments->allowNew,
                      "Create the new players even when more than half of the rows match nobody");
    command->add_flag("--dry-run", arguments->dryRun,
                      "Report what would happen, with the closest players of every row that "
                      "matches nobody, and write nothing");
    command->callback(
        [&context, arguments] { context.exitCode = runImportTable(context, *arguments); });
}

}  // namespace quorvane::cli
