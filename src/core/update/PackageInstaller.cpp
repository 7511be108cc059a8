// SPDX-License-Identifier: MIT
#include "update/PackageInstaller.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/RunProgram.h"

namespace quorvane {

namespace {

std::string commandText(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

InstallOutcome runInstall(const std::vector<std::string>& command) {
    InstallOutcome outcome;
    outcome.command = commandText(command);
    outcome.exitStatus =
        runAndWait(command.front(), std::vector<std::string>(command.begin() + 1, command.end()));
    outcome.kind =
        outcome.exitStatus == 0 ? InstallOutcome::Kind::Installed : InstallOutcome::Kind::Failed;
    return outcome;
}

}  // namespace

std::string updateRootFromEnvironment() {
    const char* folder = std::getenv("QUORVANE_UPDATE_ROOT");
    return folder == nullptr ? std::string() : std::string(folder);
}

SystemPackageInstaller::SystemPackageInstaller(std::string rootFolder, bool allowPkexec)
    : m_rootFolder(std::move(rootFolder)), m_allowPkexec(allowPkexec) {}

InstallOutcome SystemPackageInstaller::install(const std::string& packagePath) {
    // apt takes a local file only as a path with a folder in it.
    const std::string file = std::filesystem::absolute(packagePath).string();
    if (!m_rootFolder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(m_rootFolder, error);
        return runInstall({"dpkg", "-x", file, m_rootFolder});
    }
    // Never --allow-downgrades: the package tool refuses an older version even if a signed one
    // got this far.
    const std::vector<std::string> apt = {"apt-get", "install", "-y", file};
    if (geteuid() == 0) {
        return runInstall(apt);
    }
    if (!m_allowPkexec || !programOnPath("pkexec")) {
        InstallOutcome refused;
        refused.command = commandText(apt);
        return refused;
    }
    // pkexec wants the program by its full path.
    std::vector<std::string> elevated = {"pkexec", "/usr/bin/apt-get"};
    elevated.insert(elevated.end(), apt.begin() + 1, apt.end());
    InstallOutcome outcome = runInstall(elevated);
    // 126: the user dismissed the authorisation or was refused it; 127: no agent to ask.
    if (outcome.exitStatus == 126 || outcome.exitStatus == 127) {
        outcome.kind = InstallOutcome::Kind::NotPermitted;
    }
    return outcome;
}

}  // namespace quorvane
