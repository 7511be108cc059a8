// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "store/Connection.h"

namespace quorvane {

struct OwnFiles;

// Where the program keeps its data and its one connection to it, for the whole run. An
// operation that reads or writes only the database takes this part alone.
struct ProgramStore {
    std::string dataFolder;
    std::string connectionString;  // path of the database file
    Connection dbConnection;
    std::string logFilePath;
};

// The program's own files of a run: programOwnFiles, and the open database and log wherever they
// are.
OwnFiles ownFilesOf(const ProgramStore& state);

}  // namespace quorvane
