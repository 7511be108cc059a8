// SPDX-License-Identifier: MIT
#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "projections/ProjectionEdits.h"
#include "projections/ProjectionImport.h"
#include "session/ProjectionConversation.h"
#include "text/NumberText.h"

namespace quorvane::cli {

namespace {

int runImport(CliContext& context, const std::string& path) {
    if (!context.openStore()) {
        return kExitFailed;
    }
    const auto result = importProjectionFile(context.state, context.dialogs, path);
    if (!result) {
        return kExitFailed;
    }
    context.out << "inserted=" << result->inserted << '\n' << "updated=" << result->updated << '\n';
    return kExitDone;
}

int runRevision(CliContext& context) {
    if (!context.openStore()) {
        return kExitFailed;
    }
    const std::string text = getRevisionText(context.state, context.dialogs);
    if (text.empty()) {
        return kExitFailed;
    }
    context.out << text << '\n';
    return kExitDone;
}

std::optional<std::size_t> statIndex(const std::string& heading) {
    for (std::size_t i = 0; i < kEditStatCount; ++i) {
        if (heading == kEditStatHeadings[i]) {
            return i;
        }
    }
    return std::nullopt;
}

std::string editUsage() {
    std::string stats;
    for (const char* heading : kEditStatHeadings) {
        stats += std::string(stats.empty() ? "" : ", ") + heading;
    }
    return "edit-projection PLAYERID STAT=VALUE... (STAT one of " + stats + ")";
}

int runEditProjection(CliContext& context, const std::string& playerArgument,
                      const std::vector<std::string>& assignments) {
    const auto playerid = parseWholeNumber(playerArgument, 1, 2147483647LL);
    if (!playerid || assignments.empty()) {
        return context.usageError(editUsage());
    }
    std::vector<std::pair<std::size_t, std::string>> changes;
    for (const std::string& assignment : assignments) {
        const auto equals = assignment.find('=');
        const auto index =
            equals == std::string::npos ? std::nullopt : statIndex(assignment.substr(0, equals));
        if (!index) {
            return context.usageError(editUsage());
        }
        changes.emplace_back(*index, assignment.substr(equals + 1));
    }
    if (!context.openStore()) {
        return kExitFailed;
    }
    const auto player = loadPlayerProjection(context.state, context.dialogs, *playerid);
    if (!player) {
        return kExitFailed;
    }
    // Statistics not named keep their current figures, as the editor's untouched cells do.
    std::vector<std::string> texts;
    for (const long long value : player->stats) {
        texts.push_back(std::to_string(value));
    }
    for (const auto& [index, text] : changes) {
        texts[index] = text;
    }
    return CliContext::statusOf(saveProjectionEdit(context.state, context.dialogs, *player, texts));
}

int runClearEdits(CliContext& context, const std::string& playerArgument, bool all) {
    const auto playerid = parseWholeNumber(playerArgument, 1, 2147483647LL);
    if (all == !playerArgument.empty() || (!all && !playerid)) {
        return context.usageError("clear-edits (PLAYERID | --all)");
    }
    if (!context.openStore()) {
        return kExitFailed;
    }
    const bool cleared = all ? clearAllProjectionEdits(context.state, context.dialogs)
                             : clearProjectionEdits(context.state, context.dialogs, *playerid);
    return CliContext::statusOf(cleared);
}

int runProjections(CliContext& context, const std::string& position) {
    const auto* found =
        std::find_if(kEditPositionCaptions.begin(), kEditPositionCaptions.end(),
                     [&position](const char* caption) { return position == caption; });
    if (found == kEditPositionCaptions.end()) {
        return context.usageError("projections [--position ALL|C|G|F]");
    }
    if (!context.openStore()) {
        return kExitFailed;
    }
    const auto grid = listProjectionPlayers(
        context.state, context.dialogs,
        static_cast<int>(std::distance(kEditPositionCaptions.begin(), found)));
    if (!grid) {
        return kExitFailed;
    }
    context.writeCsv(grid->headings);
    for (const auto& row : grid->rows) {
        context.writeCsv(row);
    }
    return kExitDone;
}

}  // namespace

void addProjectionCommands(CLI::App& app, CliContext& context) {
    auto* import = app.add_subcommand("import", "Load a projection CSV file");
    auto path = std::make_shared<std::string>();
    import->add_option("FILE", *path, "Projection file (.csv)")->required();
    import->callback([&context, path] { context.exitCode = runImport(context, *path);
});

auto* revision = app.add_subcommand("revision", "Print the projections' revision date");
revision->callback([&context] { context.exitCode = runRevision(context); });

auto* edit =
    app.add_subcommand("edit-projection", "Override a player's projection, e.g. GP=70 FGA=1200");
auto editPlayer = std::make_shared<std::string>();
auto assignments = std::make_shared<std::vector<std::string>>();
edit->add_option("PLAYERID", *editPlayer, "Player id")->required();
edit->add_option("STATS", *assignments, "STAT=VALUE pairs")->required();
edit->callback([&context, editPlayer, assignments] {
    context.exitCode = runEditProjection(context, *editPlayer, *assignments);
});

auto* clear = app.add_subcommand("clear-edits", "Forget a player's projection edit, or all");
auto clearPlayer = std::make_shared<std::string>();
auto all = std::make_shared<bool>(false);
clear->add_option("PLAYERID", *clearPlayer, "Player id");
clear->add_flag("--all", *all, "Every player's edit");
clear->callback([&context, clearPlayer, all] {
    context.exitCode = runClearEdits(context, *clearPlayer, *all);
});

auto* projections =
    app.add_subcommand("projections", "The projection edit list as CSV for a position");
auto position = std::make_shared<std::string>("ALL");
projections->add_option("--position", *position, "ALL, C, G or F");
projections->callback([&context, position] {
    context.exitCode = runProjections(context, *position);
});
}  // namespace quorvane::cli

}  // namespace quorvane::cli
