// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "store/NumberText.h"
#include "valuation/CategoryTargets.h"
#include "valuation/DollarValues.h"
#include "valuation/Ranks.h"
#include "valuation/Standings.h"

namespace quorvane::cli {

namespace {

int runValues(CliContext& context, const std::string& draft, bool inflation) {
    if (!context.loadDraftArgument(draft)) {
        return kExitFailed;
    }
    ProgramState& state = context.state;
    state.showInflation = inflation;
    // A rotisserie auction's dollar run writes no ranks, so the list would be ordered by the
    // ranks of whatever draft ran last; its ranks come from the same dollar values instead.
    const DraftSettings& settings = *state.draftSettings;
    const bool valued =
        settings.drafttype == kDraftTypeAuction && settings.scoringstyle != kScoringRotisserie
            ? calcDollarValues(state, context.dialogs, "B")
            : calcRanks(state, context.dialogs);
    if (!valued) {
        return kExitFailed;
    }
    Recordset players;
    if (!openRecordset(players, state.dbConnection,
                       "select playerid, firstname, lastname, dollars, draftorder"
                       " from DraftPlayers where yearofprojection = ?"
                       " order by draftorder, lastname, firstname",
                       {SqlValue{std::int64_t{state.projectionYear}}})) {
        return kExitFailed;
    }
    context.writeCsv({"playerid", "firstname", "lastname", "dollars", "rank"});
    for (; !players.eof(); players.moveNext()) {
        context.writeCsv({players.getText("playerid"), players.getText("firstname"),
                          players.getText("lastname"), numberText(players.getDouble("dollars")),
                          players.getText("draftorder")});
    }
    return kExitDone;
}

int runStandings(CliContext& context, const std::string& draft, bool reserves, bool raw) {
    if (!context.loadDraftArgument(draft)) {
        return kExitFailed;
    }
    context.state.includeReserves = reserves;
    const auto grid = calcStandings(context.state, context.dialogs, raw);
    if (!grid) {
        context.dialogs.showMessage("Error", "The standings could not be computed",
                                    MessageIcon::Critical);
        return kExitFailed;
    }
    if (!raw) {
        context.writeCsv(grid->headings);
        for (const auto& row : grid->rows) {
            context.writeCsv(row);
        }
        return kExitDone;
    }
    const auto entries = readStandings(context.state);
    if (!entries) {
        return kExitFailed;
    }
    context.writeCsv({"teamid", "teamname", "categoryid", "symbol", "points", "rank"});
    for (const StandingsEntry& entry : *entries) {
        context.writeCsv({std::to_string(entry.teamid), entry.teamname,
                          std::to_string(entry.categoryid), entry.symbol, numberText(entry.points),
                          numberText(entry.rank)});
    }
    return kExitDone;
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

int runTargets(CliContext& context, const std::string& draft,
               const std::vector<std::string>& assignments) {
    if (!context.loadDraftArgument(draft)) {
        return kExitFailed;
    }
    ProgramState& state = context.state;
    auto rows = showCategoryTargets(state, context.dialogs);
    if (!rows) {
        return kExitFailed;
    }
    if (!assignments.empty()) {
        // Rows not named keep their stored target, at full precision.
        std::vector<std::string> texts;
        for (const CategoryTarget& row : state.categoryTargets) {
            texts.push_back(numberText(row.target));
        }
        for (const std::string& assignment : assignments) {
            const auto equals = assignment.find('=');
            if (equals == std::string::npos) {
                return context.usageError("--set SYMBOL=VALUE, not \"" + assignment + "\"");
            }
            const std::string symbol = upper(assignment.substr(0, equals));
            const auto row = std::find_if(
                state.categoryTargets.begin(), state.categoryTargets.end(),
                [&](const CategoryTarget& target) { return upper(target.symbol) == symbol; });
            if (row == state.categoryTargets.end()) {
                return context.usageError("the draft has no category \"" +
                                          assignment.substr(0, equals) + "\"");
            }
            texts[static_cast<std::size_t>(row - state.categoryTargets.begin())] =
                assignment.substr(equals + 1);
        }
        rows = saveCategoryTargets(state, context.dialogs, texts);
        if (!rows) {
            return kExitFailed;
        }
    }
    context.writeCsv({"symbol", "target", "actual", "difference"});
    for (const TargetRow& row : *rows) {
        context.writeCsv({row.symbol, row.target, row.actual, row.difference});
    }
    return kExitDone;
}

}  // namespace

void addValuationCommands(CLI::App& app, CliContext& context) {
    auto* values = app.add_subcommand(
        "values", "Value every player of the season for a draft and print them by rank as CSV");
    auto valuesDraft = std::make_shared<std::string>();
    auto inflation = std::make_shared<bool>(false);
    values->add_option("DRAFT", *valuesDraft, "Draft id or name")->required();
    values->add_flag("--inflation", *inflation, "Value the players left with the money left");
    values->callback([&context, valuesDraft, inflation] {
        context.exitCode = runValues(context, *valuesDraft, *inflation);
    });

    auto* standings =
        app.add_subcommand("standings", "Compute the projected standings and print them as CSV");
    auto standingsDraft = std::make_shared<std::string>();
    auto reserves = std::make_shared<bool>(false);
    auto raw = std::make_shared<bool>(false);
    standings->add_option("DRAFT", *standingsDraft, "Draft id or name")->required();
    standings->add_flag("--reserves", *reserves, "Count the reserve picks");
    standings->add_flag("--raw", *raw, "One line per team and category, unformatted");
    standings->callback([&context, standingsDraft, reserves, raw] {
        context.exitCode = runStandings(context, *standingsDraft, *reserves, *raw);
    });

    auto* targets = app.add_subcommand(
        "targets", "Print the user's category targets against the team's projected totals");
    auto targetsDraft = std::make_shared<std::string>();
    auto assignments = std::make_shared<std::vector<std::string>>();
    targets->add_option("DRAFT", *targetsDraft, "Draft id or name")->required();
    targets->add_option("--set", *assignments, "SYMBOL=VALUE targets to save");
    targets->callback([&context, targetsDraft, assignments] {
        context.exitCode = runTargets(context, *targetsDraft, *assignments);
    });
}

}  // namespace quorvane::cli
