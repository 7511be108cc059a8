// SPDX-License-Identifier: MIT
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "platform/CurlTransfer.h"
#include "platform/Log.h"
#include "projections/ProjectionDownload.h"
#include "session/ProjectionConversation.h"
#include "session/ShowMessage.h"
#include "session/UpdateAtStartup.h"
#include "update/UpdateCheck.h"

namespace quorvane::cli {

namespace {

struct ServiceOptions {
    std::string user;
};

// Reads one line from the terminal without showing what is typed.
std::string readHiddenLine(std::ostream& err) {
    err << "Password: " << std::flush;
    termios saved{};
    const bool hidden = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (hidden) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (hidden) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    }
    err << '\n';
    return line;
}

// The password never travels as an argument, where other users of the machine could read it
// in the process list.
std::string readPassword(std::istream& in, std::ostream& err) {
    if (const char* password = std::getenv("QUORVANE_PASSWORD"); password != nullptr) {
        return password;
    }
    std::string line;
    if (&in == &std::cin && isatty(STDIN_FILENO) == 1) {
        line = readHiddenLine(err);
    } else {
        std::getline(in, line);
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

int runDownload(CliContext& context, const ServiceOptions& options, std::istream& in) {
    if (!context.openStore()) {
        return kExitFailed;
    }
    const std::string password = readPassword(in, context.err);
    CurlTransfer transfer;
    const auto imported =
        downloadProjections(context.state, context.dialogs, transfer, options.user, password);
    if (!imported) {
        return kExitFailed;
    }
    context.out << "Projection Update Complete!\n"
                << "inserted," << imported->inserted << "\nupdated," << imported->updated << '\n';
    return kExitDone;
}

// Update check as at start-up, but only reports: the command line never starts the updater.
int runCheckUpdate(CliContext& context) {
    if (!context.openStore()) {
        return kExitFailed;
    }
    CurlTransfer transfer;
    const UpdateCheck check =
        checkForUpdate(updateCheckRequest(context.state), Log(context.state.logFilePath), transfer);
    if (check.failure) {
        showMessage(context.dialogs, *check.failure);
    }
    context.out << "local version," << context.state.appVersion << " ("
                << check.localVersion.value_or(0) << ")\n";
    if (!check.serviceConfigured) {
        context.out << "service version,no projection service configured\n"
                    << "update offered,no\n";
        return kExitDone;
    }
    context.out << "service version," << check.serviceAnswer << '\n'
                << "update offered," << (check.action == UpdateAction::Ask ? "yes" : "no") << '\n';
    return check.serviceAnswer.empty() ? kExitFailed : kExitDone;
}

}  // namespace

void addServiceCommands(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<ServiceOptions>();
    CLI::App* download = app.add_subcommand(
        "download",
        "Download the projections from the projection service and import them; the password is "
        "read from QUORVANE_PASSWORD or the first line of standard input");
    download->add_option("--user", options->user, "User name at the projection service")
        ->required();
    download->callback(
        [&context, options] { context.exitCode = runDownload(context, *options, context.in); });

    CLI::App* checkUpdate = app.add_subcommand(
        "check-update", "Ask the projection service for its newest version of the program");
    checkUpdate->callback([&context] { context.exitCode = runCheckUpdate(context); });
}

}  // namespace quorvane::cli
