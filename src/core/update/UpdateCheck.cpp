// SPDX-License-Identifier: MIT
#include "update/UpdateCheck.h"

#include <spawn.h>
#include <unistd.h>

#include <filesystem>

#include "platform/FetchUrlText.h"
#include "platform/Log.h"
#include "platform/ProgramFolder.h"
#include "platform/ServiceEndpoints.h"
#include "platform/Version.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "text/NumberText.h"

extern char** environ;

namespace quorvane {

namespace {

std::string trimLineEnds(std::string_view text) {
    const auto begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) {
        return {};
    }
    const auto end = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(begin, end - begin + 1));
}

}  // namespace

UpdateAction updateActionFor(std::string_view serviceAnswer, std::string_view appVersion) {
    const auto server = parseWholeNumber(trimLineEnds(serviceAnswer), 0, 2147483647LL);
    const auto local = versionNumber(appVersion);
    if (!server || !local) {
        return UpdateAction::Nothing;
    }
    return *local < *server && *server < kFirstUnofferedVersion ? UpdateAction::Ask
                                                                : UpdateAction::Nothing;
}

UpdateCheck checkForUpdate(ProgramState& state, UserDialogs& dialogs, UrlTransfer& transfer) {
    UpdateCheck check;
    check.localVersion = versionNumber(state.appVersion);
    if (state.serviceHost.empty()) {
        return check;
    }
    check.serviceConfigured = true;
    check.serviceAnswer = trimLineEnds(fetchUrlText(transfer, dialogs, Log(state.logFilePath),
                                                    serviceUrl(state.serviceHost, kVersionPath),
                                                    state.supportAddress));
    check.action = updateActionFor(check.serviceAnswer, state.appVersion);
    return check;
}

bool SpawnLauncher::start(const std::string& path, const std::vector<std::string>& arguments) {
    if (path.empty() || access(path.c_str(), X_OK) != 0) {
        return false;
    }
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    return posix_spawn(&child, path.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
}

std::vector<std::string> updaterArguments(const ProgramStore& state,
                                          std::string_view announcedVersion) {
    std::vector<std::string> arguments{"--gui"};
    if (!state.dataFolder.empty()) {
        arguments.insert(arguments.end(), {"--data-dir", state.dataFolder});
    }
    arguments.emplace_back(announcedVersion);
    return arguments;
}

std::string updaterPath() {
    const std::string folder = programFolder();
    if (folder.empty()) {
        return {};
    }
    return (std::filesystem::path(folder) / kUpdaterName).string();
}

UpdateOutcome runUpdateCheck(ProgramState& state, UserDialogs& dialogs, UrlTransfer& transfer,
                             ProgramLauncher& launcher, const std::string& updater) {
    const UpdateCheck check = checkForUpdate(state, dialogs, transfer);
    if (check.action != UpdateAction::Ask || !dialogs.askYesNo(kUpdateTitle, kUpdateQuestion)) {
        return UpdateOutcome::Continue;
    }
    if (launcher.start(updater, updaterArguments(state, check.serviceAnswer))) {
        return UpdateOutcome::UpdaterStarted;
    }
    // Ending the program because a helper is missing would leave the user with nothing.
    Log(state.logFilePath).writeEntry(" error: could not start the updater - " + updater);
    dialogs.showMessage("Software Update",
                        "The updater could not be started, so the draft software was not "
                        "updated. The program will go on with this version.",
                        MessageIcon::Exclamation);
    return UpdateOutcome::Continue;
}

}  // namespace quorvane
