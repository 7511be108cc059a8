// SPDX-License-Identifier: MIT
#include "cli/CliApp.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/CommandGroups.h"
#include "cli/ManPage.h"
#include "cli/OptionChecks.h"
#include "platform/Version.h"
#include "session/UserDialogs.h"

namespace quorvane::cli {

int runCli(int argc, const char* const* argv, const CliIo& io) {
    CliContext context(io);
    CLI::App app{"Quorvane Basketball Draft: the draft assistant for scripts",
                 "quorvane-draft-cli"};
    app.set_help_all_flag("--help-all", "Help for every command");
    app.set_version_flag("--version", "quorvane-draft-cli " + std::string(kAppVersion),
                         "Print the program's version");
    app.require_subcommand(1);
    app.fallthrough();
    app.add_option("--data-dir", context.dataDirOption, "Folder of the draft database");
    app.add_flag("--yes", context.assumeYes, "Answer Yes to every question");

    addStoreCommands(app, context);
    addDraftCommands(app, context);
    addSetupCommand(app, context);
    addProjectionCommands(app, context);
    addTableImportCommand(app, context);
    addValuationCommands(app, context);
    addRoomCommands(app, context);
    addCockpitCommands(app, context);
    addServiceCommands(app, context);
    addAdviceCommands(app, context);
    addHScoreCommands(app, context);
    addChartCommand(app, context);
    addPathsCommand(app, context);
    addFollowCommand(app, context);
    addPracticeCommands(app, context);
    addHostCommand(app, context);
    // After every command is added: a command added below this line would take "--name -x".
    checkOptionValues(app);

    // The build writes the manual page with this; it is no command for users.
    if (std::find(argv + 1, argv + argc, std::string_view("--manpage")) != argv + argc) {
        context.out << manPage(app, std::string(kAppVersion));
        return kExitDone;
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        context.out << app.help();
        return kExitDone;
    } catch (const CLI::CallForVersion& version) {
        context.out << version.what() << '\n';
        return kExitDone;
    } catch (const CLI::CallForAllHelp&) {
        context.out << app.help("", CLI::AppFormatMode::All);
        return kExitDone;
    } catch (const CLI::ParseError& error) {
        context.err << "Usage: " << error.what() << '\n';
        return kExitUsage;
    }
    // A command that failed because another program held the database, and whose own report
    // did not say so (a run that only logs its failures), still tells the user.
    if (context.exitCode != kExitDone) {
        reportDatabaseBusy(context.dialogs, context.state.dbConnection);
    }
    // Some failures are only logged, as in the window; a script still learns why it failed.
    if (context.exitCode == kExitFailed && !context.dialogs.wroteToError()) {
        const std::string& log = context.state.dbConnection.log().path();
        context.err << "Error: The command failed; "
                    << (log.empty() ? std::string("the log quorbasketball.log in the data folder")
                                    : "the log " + log)
                    << " says why\n";
    }
    return context.exitCode;
}

}  // namespace quorvane::cli
