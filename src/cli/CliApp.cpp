// SPDX-License-Identifier: MIT
#include "cli/CliApp.h"

#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/CommandGroups.h"

namespace quorvane::cli {

int runCli(int argc, const char* const* argv, const CliIo& io) {
    CliContext context(io);
    CLI::App app{"Quorvane Basketball Draft: the draft assistant for scripts",
                 "quorvane-draft-cli"};
    app.set_help_all_flag("--help-all", "Help for every command");
    app.require_subcommand(1);
    app.fallthrough();
    app.add_option("--data-dir", context.dataDirOption, "Folder of the draft database");
    app.add_flag("--yes", context.assumeYes, "Answer Yes to every question");

    addStoreCommands(app, context);
    addDraftCommands(app, context);
    addSetupCommand(app, context);
    addProjectionCommands(app, context);
    addValuationCommands(app, context);
    addRoomCommands(app, context);
    addCockpitCommands(app, context);
    addServiceCommands(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        io.out << app.help();
        return kExitDone;
    } catch (const CLI::CallForAllHelp&) {
        io.out << app.help("", CLI::AppFormatMode::All);
        return kExitDone;
    } catch (const CLI::ParseError& error) {
        io.err << "Usage: " << error.what() << '\n';
        return kExitUsage;
    }
    return context.exitCode;
}

}  // namespace quorvane::cli
