// SPDX-License-Identifier: MIT
#include "platform/DataFolder.h"

#include <cstdlib>
#include <filesystem>

namespace quorvane {

namespace {
std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}
}  // namespace

DataFolderCandidates dataFolderCandidates(const std::optional<std::string>& commandLineFolder) {
    DataFolderCandidates candidates;
    candidates.overrideFolder = commandLineFolder && !commandLineFolder->empty()
                                    ? commandLineFolder
                                    : environment("QUORVANE_DATA_DIR");
    std::filesystem::path userData;
    if (const auto xdg = environment("XDG_DATA_HOME")) {
        userData = *xdg;
    } else if (const auto home = environment("HOME")) {
        userData = std::filesystem::path(*home) / ".local" / "share";
    } else {
        userData = std::filesystem::temp_directory_path();
    }
    candidates.user = (userData / "quorvane" / "basketball").string();
    return candidates;
}

std::string chosenDataFolder(const DataFolderCandidates& candidates) {
    if (candidates.overrideFolder) {
        return *candidates.overrideFolder;
    }
    std::error_code error;
    if (std::filesystem::is_regular_file(databasePathIn(candidates.machineWide), error)) {
        return candidates.machineWide;
    }
    return candidates.user;
}

std::string databasePathIn(const std::string& folder) {
    return (std::filesystem::path(folder) / kDatabaseFileName).string();
}

std::string logPathIn(const std::string& folder) {
    return (std::filesystem::path(folder) / kLogFileName).string();
}

}  // namespace quorvane
