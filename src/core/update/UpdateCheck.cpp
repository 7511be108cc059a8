// SPDX-License-Identifier: MIT
#include "update/UpdateCheck.h"

#include <spawn.h>
#include <unistd.h>

#include <filesystem>

#include "platform/Log.h"
#include "platform/ProgramFolder.h"
#include "platform/ServiceEndpoints.h"
#include "platform/Version.h"
#include "store/ProgramStore.h"
#include "text/NumberText.h"
#include "update/ServiceFetch.h"

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

UpdateCheck checkForUpdate(const UpdateCheckRequest& request, const Log& log,
                           UrlTransfer& transfer) {
    UpdateCheck check;
    check.localVersion = versionNumber(request.appVersion);
    if (request.serviceHost.empty()) {
        return check;
    }
    check.serviceConfigured = true;
    FetchedAnswer fetched = fetchUrlAnswer(
        transfer, log, serviceUrl(request.serviceHost, kVersionPath), request.supportAddress);
    check.serviceAnswer = trimLineEnds(fetched.answer.body);
    check.failure = std::move(fetched.failure);
    check.action = updateActionFor(check.serviceAnswer, request.appVersion);
    return check;
}

Question updateQuestion() {
    return {std::string(kUpdateTitle), std::string(kUpdateQuestion)};
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

std::optional<Message> startUpdater(ProgramLauncher& launcher, const std::string& updater,
                                    const ProgramStore& store, std::string_view announcedVersion,
                                    const Log& log) {
    if (launcher.start(updater, updaterArguments(store, announcedVersion))) {
        return std::nullopt;
    }
    log.writeEntry(" error: could not start the updater - " + updater);
    return Message{"Software Update",
                   "The updater could not be started, so the draft software was not "
                   "updated. The program will go on with this version.",
                   MessageIcon::Exclamation};
}

}  // namespace quorvane
