// SPDX-License-Identifier: MIT
#include <string>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "cli/ProgramFiles.h"
#include "platform/DataFolder.h"
#include "platform/HelpPages.h"
#include "projections/Nicknames.h"
#include "projections/SampleProjections.h"
#include "update/UpdateCheck.h"

namespace quorvane::cli {

namespace {

// Where this copy of the program finds each file it reads; a missing one is named as such, and
// the command then fails, so an incomplete installation shows at once.
int runPaths(CliContext& context) {
    const auto sample = findSampleProjections();
    const auto nicknames = findDataFile(kNicknamesFileName);
    const std::string help = localHelpFolder();
    const std::string updater = updaterPath();
    const std::string desktop = desktopProgramPath();
    context.writeCsv({"file", "path"});
    context.writeCsv({"sample projections", sample.value_or("missing")});
    context.writeCsv({"nickname table", nicknames.value_or("missing")});
    context.writeCsv({"help pages", help});
    context.writeCsv({"updater", updater});
    context.writeCsv({"desktop program", desktop.empty() ? "missing" : desktop});
    const auto candidates = dataFolderCandidates(
        context.dataDirOption.empty() ? std::nullopt
                                      : std::optional<std::string>(context.dataDirOption));
    context.writeCsv({"data folder", chosenDataFolder(candidates)});
    return sample && nicknames && !desktop.empty() ? kExitDone : kExitFailed;
}

}  // namespace

void addPathsCommand(CLI::App& app, CliContext& context) {
    CLI::App* paths =
        app.add_subcommand("paths",
                           "Where the program finds its sample projections, nickname table, "
                           "help pages, updater and desktop program");
    paths->callback([&context] { context.exitCode = runPaths(context); });
}

}  // namespace quorvane::cli
