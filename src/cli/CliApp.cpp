// SPDX-License-Identifier: MIT
#include "cli/CliApp.h"

#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "app/UserDialogs.h"
#include "app/Version.h"
#include "cli/CommandGroups.h"
#include "cli/ManPage.h"

namespace quorvane::cli {

namespace {

// "--dry-run" or "-x", where a value was due: the value was forgotten, and taking the next option
// as it would both misname the value and lose the option ("--source --dry-run" would import for
// real). Negative numbers ("-5", "-.5") are values.
bool looksLikeOption(std::string_view value) {
    return value.size() > 1 && value[0] == '-' &&
           (value[1] == '-' || std::isalpha(static_cast<unsigned char>(value[1])) != 0);
}

bool isBlank(std::string_view value) {
    return std::all_of(value.begin(), value.end(),
                       [](unsigned char c) { return std::isspace(c) != 0; });
}

// What is wrong with an option's value; "" when nothing is.
std::string optionValueProblem(std::string_view value) {
    if (isBlank(value)) {
        // An empty variable in a script, not a wish: "--dollars ''" would keep the old price.
        return "needs a value, but was given an empty one";
    }
    if (looksLikeOption(value)) {
        return "needs a value, but was followed by \"" + std::string(value) +
               "\", which looks like an option";
    }
    return {};
}

// The parser would also read "0x10", "0b11" or "1'000" as whole numbers; nobody means a team id
// that way, so only digits with an optional sign are taken.
std::string wholeNumberProblem(std::string_view value) {
    const std::string_view digits =
        !value.empty() && (value[0] == '-' || value[0] == '+') ? value.substr(1) : value;
    const bool plain = !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
    return plain ? std::string() : "\"" + std::string(value) + "\" is not a whole number";
}

// Every option of every command that takes a value refuses an empty one and one that looks like
// an option. Arguments in a command's own places (DRAFT, TEXT) are left alone: the parser takes
// "-x" there for an option anyway unless it follows "--", which says it is meant as written, and
// an empty TEXT is how a note is cleared.
void checkOptionValues(CLI::App& app) {
    const CLI::Validator sound([](std::string& value) { return optionValueProblem(value); }, "");
    const CLI::Validator wholeNumber([](std::string& value) { return wholeNumberProblem(value); },
                                     "");
    for (CLI::Option* option : app.get_options()) {
        if (option->nonpositional() && option->get_type_size_max() > 0) {
            option->check(sound);
        }
        if (option->get_type_name().starts_with("INT")) {
            option->check(wholeNumber);
        }
    }
    for (CLI::App* command : app.get_subcommands(nullptr)) {
        checkOptionValues(*command);
    }
}

}  // namespace

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
    addChartCommand(app, context);
    addPathsCommand(app, context);
    addFollowCommand(app, context);
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
