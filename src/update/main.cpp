// SPDX-License-Identifier: MIT
// quorvane-update: downloads the program package the projection service offers, checks it against
// the publisher's signed manifest (this program, the announced and newer version, its size and
// SHA-256) and installs it with the system's package tool, or saves it and says how to install it.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>

#include "PublisherKey.h"
#include "TerminalProgress.h"
#include "cli/OptionChecks.h"
#include "platform/CurlTransfer.h"
#include "platform/DataFolder.h"
#include "platform/Log.h"
#include "platform/ServiceSettings.h"
#include "platform/Version.h"
#include "session/PackageUpdateConversation.h"
#include "session/TerminalDialogs.h"
#include "text/TerminalText.h"
#include "update/PackageDownload.h"
#include "update/PackageInstaller.h"

#ifdef QUORVANE_UPDATE_WITH_GUI
#include <QApplication>

#include "gui/app/GuiDialogs.h"
#endif

namespace {

#ifdef QUORVANE_UPDATE_WITH_GUI
bool hasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}
#endif

using namespace quorvane;

struct Options {
    std::string dataFolder;
    std::string serviceHost;
    std::string rootFolder = updateRootFromEnvironment();
    std::string saveFolder;
    std::string announcedVersion;
    bool force = false;
    bool windows = false;
    bool noPkexec = false;
};

// The data folder the draft program uses, whose settings name the service.
std::string dataFolderOf(const Options& options) {
    return chosenDataFolder(dataFolderCandidates(
        options.dataFolder.empty() ? std::nullopt
                                   : std::optional<std::string>(options.dataFolder)));
}

int statusOf(PackageUpdateResult result) {
    switch (result) {
        case PackageUpdateResult::Installed:
        case PackageUpdateResult::Saved:
        case PackageUpdateResult::NothingToUpdate:
            return 0;
        case PackageUpdateResult::Refused:
        case PackageUpdateResult::Failed:
            break;
    }
    return 1;
}

int update(const Options& options, UserDialogs& dialogs) {
    const std::string folder = dataFolderOf(options);
    const ServiceSettings settings = loadServiceSettings(folder);
    PackageUpdateRequest request;
    request.serviceHost = options.serviceHost.empty() ? settings.serviceHost : options.serviceHost;
    if (!options.serviceHost.empty() && !isValidServiceHost(options.serviceHost)) {
        std::cerr << "Usage: --service wants HOST or HOST:PORT\n";
        return 2;
    }
    request.supportAddress = settings.supportAddress;
    request.announcedVersion = options.announcedVersion;
    request.appVersion = std::string(kAppVersion);
    request.saveFolder =
        options.saveFolder.empty() ? defaultUpdateSaveFolder() : options.saveFolder;
    request.replaceExisting = options.force;
    request.ownFiles = programOwnFiles(folder);
    request.publisherKey = std::string(publisherKey());
    CurlTransfer transfer(caBundleFromEnvironment());
    CurlPackageDownloader downloader(caBundleFromEnvironment());
    SystemPackageInstaller installer(options.rootFolder, !options.noPkexec);
    return statusOf(runPackageUpdate(request, transfer, downloader, dialogs, Log(logPathIn(folder)),
                                     installer));
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Downloads, checks and installs the newest Quorvane Basketball Draft package "
        "offered by the projection service",
        "quorvane-update"};
    app.set_version_flag("--version", "quorvane-update " + std::string(kAppVersion),
                         "Print the program's version");
    Options options;
    app.add_option("VERSION", options.announcedVersion,
                   "The version the service announced, dots removed (1303); without it the "
                   "service is asked and only a newer version is fetched")
        ->check(cli::positiveWholeNumber());
    app.add_option("--data-dir", options.dataFolder,
                   "Data folder whose settings name the service (as for quorvane-draft)");
    app.add_option("--service", options.serviceHost, "The projection service, HOST[:PORT]");
    app.add_option("--root", options.rootFolder,
                   "Unpack the package into this folder (dpkg -x) instead of installing it; "
                   "also QUORVANE_UPDATE_ROOT");
    app.add_option("--save-dir", options.saveFolder,
                   "Folder the package is saved in (default ~/Downloads, else "
                   "~/.cache/quorvane/updates)");
    app.add_flag("--force", options.force,
                 "Replace a different file of the package's name in the save folder without "
                 "asking");
    app.add_flag("--gui", options.windows, "Show the messages in windows");
    app.add_flag("--no-pkexec", options.noPkexec,
                 "Never ask for the administrator's rights: save the package instead");
    cli::checkOptionValues(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Wrong usage ends with status 2, as the draft program's command line does; help and
        // version end with 0.
        return app.exit(error) == 0 ? 0 : 2;
    }

#ifdef QUORVANE_UPDATE_WITH_GUI
    if (options.windows && hasDisplay()) {
        QApplication application(argc, argv);
        gui::GuiDialogs dialogs;
        return update(options, dialogs);
    }
#endif
    // The service's answers reach these messages; none may reach the terminal as a control.
    TerminalStream shown(std::cerr);
    TerminalDialogs messages(shown.stream(), std::cin, isatty(STDIN_FILENO) == 1, false);
    TerminalProgress dialogs(messages, shown.stream());
    return update(options, dialogs);
}
