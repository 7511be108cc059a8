// SPDX-License-Identifier: MIT
#pragma once

#include "app/DataFolder.h"

namespace quorvane {

struct ProgramState;
class UserDialogs;

// Finds the data folder and opens the database on `state.dbConnection`, creating a new
// database in the override or user folder when none exists yet. Sets dataFolder,
// connectionString and logFilePath (the log lies beside the database). When no database can be
// opened or created, tells the user "Database not Found. Please contact customer support" and
// returns false; the connection stays closed.
bool openDataStore(ProgramState& state, UserDialogs& dialogs,
                   const DataFolderCandidates& candidates);

// Creates a database file with every table and the category rows, then fills it with the
// sample projections unless `withSampleProjections` is false. Leaves it open on the state.
bool createNewDatabase(ProgramState& state, UserDialogs& dialogs, const std::string& folder,
                       bool withSampleProjections);

}  // namespace quorvane
