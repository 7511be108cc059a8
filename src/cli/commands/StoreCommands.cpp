// SPDX-License-Identifier: MIT
#include <filesystem>
#include <memory>
#include <ostream>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "session/DataStore.h"
#include "session/ValuationConversation.h"

namespace quorvane::cli {

namespace {

int runInit(CliContext& context, bool empty) {
    const auto candidates = dataFolderCandidates(
        context.dataDirOption.empty() ? std::nullopt
                                      : std::optional<std::string>(context.dataDirOption));
    const std::string folder = chosenDataFolder(candidates);
    std::error_code error;
    if (std::filesystem::is_regular_file(databasePathIn(folder), error)) {
        const bool opened = context.openStore();
        if (opened) {
            context.out << "Database already exists: " << databasePathIn(folder) << '\n';
        }
        return CliContext::statusOf(opened);
    }
    if (!createNewDatabase(context.state, context.dialogs, folder, !empty)) {
        context.dialogs.showMessage("Error", "Database not Found. Please contact customer support",
                                    MessageIcon::Critical);
        return kExitFailed;
    }
    fixSgpDenominators(context.state, context.dialogs);
    context.out << "Created database: " << context.state.connectionString << '\n';
    return kExitDone;
}

int runLoadSample(CliContext& context) {
    if (!context.openStore()) {
        return kExitFailed;
    }
    const auto result = loadSampleProjections(context.state, context.dialogs);
    if (!result) {
        return kExitFailed;
    }
    context.out << "inserted=" << result->inserted << '\n' << "updated=" << result->updated << '\n';
    return kExitDone;
}

}  // namespace

void addStoreCommands(CLI::App& app, CliContext& context) {
    auto* init = app.add_subcommand("init", "Create the draft database if it is missing");
    auto empty = std::make_shared<bool>(false);
    init->add_flag("--empty", *empty, "Do not fill a new database with the sample projections");
    init->callback([&context, empty] { context.exitCode = runInit(context, *empty); });

    app.add_subcommand("load-sample", "Load the sample projections the program ships")
        ->callback([&context] { context.exitCode = runLoadSample(context); });
}

}  // namespace quorvane::cli
