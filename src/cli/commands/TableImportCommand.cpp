// SPDX-License-Identifier: MIT
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "app/Version.h"
#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "projections/ProjectionTable.h"

namespace quorvane::cli {

namespace {

struct TableImportArguments {
    std::string path;
    std::optional<int> season;
    bool perGame = false;
    bool totals = false;
    std::vector<std::string> mappings;
    std::string source;
    bool dryRun = false;
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
    options.source = arguments.source;
    options.dryRun = arguments.dryRun;
    if (!context.openStore()) {
        return kExitFailed;
    }
    const auto report =
        importProjectionTable(context.state, context.dialogs, arguments.path, options);
    if (!report) {
        return kExitFailed;
    }
    context.writeCsv({"column", "field"});
    for (const TableColumn& column : report->layout.columns) {
        context.writeCsv({column.heading, std::string(tableFieldName(column.field))});
    }
    for (const TableColumn& column : report->layout.columns) {
        if (!column.known) {
            context.err << "Unknown column ignored: " << column.heading << '\n';
        }
    }
    context.err << "Figures: " << (report->layout.perGame ? "per game" : "season totals")
                << ", season " << report->season << ", source " << report->source
                << (options.dryRun ? ", dry run: nothing written" : "") << '\n';
    writeNames(context, "New", report->createdNames);
    writeNames(context, "Ambiguous, skipped", report->ambiguousNames);
    writeNames(context, "Note", report->notes);
    context.out << "matched=" << report->matched << " new=" << report->created
                << " ambiguous=" << report->ambiguous << " skipped=" << report->skipped << '\n';
    return kExitDone;
}

}  // namespace

void addTableImportCommand(CLI::App& app, CliContext& context) {
    auto* command = app.add_subcommand(
        "import-table", "Load a projection table of another layout, matching players by name");
    auto arguments = std::make_shared<TableImportArguments>();
    command->add_option("FILE", arguments->path, "Table (CSV, TSV or semicolon separated)")
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
    command->add_flag("--dry-run", arguments->dryRun, "Report what would happen, write nothing");
    command->callback(
        [&context, arguments] { context.exitCode = runImportTable(context, *arguments); });
}

}  // namespace quorvane::cli
