// SPDX-License-Identifier: MIT
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliContext.h"
#include "cli/CommandGroups.h"
#include "night/NightHost.h"
#include "night/NightPages.h"
#include "night/NightServer.h"

namespace quorvane::cli {

namespace {

struct HostOptions {
    std::string draft;
    std::vector<std::string> bind;
    int port = 8080;
    int lotSeconds = 30;
    int lateBidSeconds = 10;
    int pickSeconds = 90;
    bool newCodes = false;
};

int runHost(CliContext& context, const HostOptions& options) {
    NightHostOptions hostOptions;
    hostOptions.dataFolder = context.dataDirOption;
    hostOptions.draft = options.draft;
    hostOptions.clocks = {options.lotSeconds * 1000LL, options.lateBidSeconds * 1000LL,
                          options.pickSeconds * 1000LL};
    std::string reason;
    auto host = NightHost::open(hostOptions, NightServer::wallClockMs(), reason);
    if (!host) {
        context.err << "Error: " << reason << '\n';
        return kExitFailed;
    }
    if (options.newCodes && !host->replaceCodes(reason)) {
        context.err << "Error: " << reason << '\n';
        return kExitFailed;
    }
    NightServerSettings settings;
    // Never a public address unless the user names it: the room is on the local network.
    settings.addresses = options.bind.empty() ? localNetworkAddresses() : options.bind;
    if (settings.addresses.empty()) {
        context.err << "Error: This machine has no local-network address; name the address to "
                       "listen on with --bind\n";
        return kExitFailed;
    }
    settings.port = options.port;
    settings.pagesFolder = nightPagesFolder();
    settings.stopOnInterrupt = true;
    NightServer server(*host, settings);
    if (!server.listen(reason)) {
        context.err << "Error: " << reason << '\n';
        return kExitFailed;
    }
    for (const std::string& address : server.boardAddresses()) {
        context.out << "board," << address << '\n';
    }
    for (const NightCodeRow& code : host->codes()) {
        if (code.teamid == 0) {
            context.out << "commissioner," << code.code << '\n';
        }
    }
    context.out << "team,code\n";
    for (const NightCodeRow& code : host->codes()) {
        if (code.teamid != 0) {
            context.out << code.teamid << ',' << code.code << '\n';
        }
    }
    context.out << std::flush;
    context.err << "Hosting " << host->draftName()
                << " over plain HTTP on the local network; Ctrl+C stops.\n"
                << std::flush;
    if (!host->notice().empty()) {
        context.err << host->notice() << '\n' << std::flush;
    }
    server.run();
    return kExitDone;
}

}  // namespace

void addHostCommand(CLI::App& app, CliContext& context) {
    auto options = std::make_shared<HostOptions>();
    CLI::App* host = app.add_subcommand(
        "host",
        "Host a draft night: a board for the TV and a page for every owner's phone on the local "
        "network, until Ctrl+C");
    host->add_option("DRAFT", options->draft, "Draft id or name")->required();
    host->add_option("--bind", options->bind,
                     "Address to listen on (repeatable); the machine's local-network addresses "
                     "when not given");
    host->add_option("--port", options->port, "Port to listen on (0: any free port)")
        ->check(CLI::Range(0, 65535));
    host->add_option("--lot-seconds", options->lotSeconds, "Seconds on the clock of a new lot")
        ->check(CLI::Range(1, 3600));
    host->add_option("--late-bid-seconds", options->lateBidSeconds,
                     "A bid with less left sets the lot's clock back to this many seconds")
        ->check(CLI::Range(0, 3600));
    host->add_option("--pick-seconds", options->pickSeconds,
                     "Seconds on the clock of a pick (0: no clock)")
        ->check(CLI::Range(0, 86400));
    host->add_flag("--new-codes", options->newCodes,
                   "Replace every join code before hosting; the old ones stop working");
    host->callback([&context, options] { context.exitCode = runHost(context, *options); });
}

}  // namespace quorvane::cli
