// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace quorvane {

inline constexpr const char* kDatabaseFileName = "players2019.db";
inline constexpr const char* kLogFileName = "quorbasketball.log";
inline constexpr const char* kMachineWideDataFolder = "/var/lib/quorvane/basketball";

// Where the database may live, in the order they are tried.
struct DataFolderCandidates {
    // --data-dir or QUORVANE_DATA_DIR: used alone, and a database is created there if missing.
    std::optional<std::string> overrideFolder;
    std::string machineWide = kMachineWideDataFolder;
    std::string user;  // ${XDG_DATA_HOME:-$HOME/.local/share}/quorvane/basketball
};

// The candidates for this process: the command line's folder wins over QUORVANE_DATA_DIR.
DataFolderCandidates dataFolderCandidates(const std::optional<std::string>& commandLineFolder);

// The folder the program works in: the override when given, else the one that already holds a
// database, else the user's folder (where a new database is created).
std::string chosenDataFolder(const DataFolderCandidates& candidates);

std::string databasePathIn(const std::string& folder);
std::string logPathIn(const std::string& folder);

}  // namespace quorvane
