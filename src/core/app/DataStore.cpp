// SPDX-License-Identifier: MIT
#include "app/DataStore.h"

#include <filesystem>
#include <system_error>

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "projections/ProjectionImport.h"
#include "projections/SampleProjections.h"
#include "store/Schema.h"

namespace quorvane {

namespace {

void useFolder(ProgramState& state, const std::string& folder) {
    state.dataFolder = folder;
    state.connectionString = databasePathIn(folder);
    state.logFilePath = logPathIn(folder);
}

bool openExisting(ProgramState& state, const std::string& folder) {
    useFolder(state, folder);
    if (!openConnection(state.dbConnection, state.connectionString, Log(state.logFilePath))) {
        return false;
    }
    // Tables added by newer versions of the program appear in older files too.
    return upgradeSchema(state.dbConnection);
}

bool databaseExistsIn(const std::string& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_regular_file(databasePathIn(folder), error);
}

}  // namespace

bool createNewDatabase(ProgramState& state, UserDialogs& dialogs, const std::string& folder,
                       bool withSampleProjections) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    useFolder(state, folder);
    if (!createConnection(state.dbConnection, state.connectionString, Log(state.logFilePath))) {
        return false;
    }
    if (!upgradeSchema(state.dbConnection)) {
        closeConnection(state.dbConnection);
        return false;
    }
    if (withSampleProjections) {
        // A database without the sample is still usable: the user can load a file of his own.
        if (const auto sample = findSampleProjections()) {
            importProjectionFile(state, dialogs, *sample);
        } else {
            state.dbConnection.log().writeEntry(
                " 12005 error: could not find the sample projections - " +
                std::string(kSampleProjectionsFileName));
        }
    }
    return true;
}

bool openDataStore(ProgramState& state, UserDialogs& dialogs,
                   const DataFolderCandidates& candidates) {
    bool opened = false;
    if (candidates.overrideFolder) {
        const std::string& folder = *candidates.overrideFolder;
        opened = databaseExistsIn(folder) ? openExisting(state, folder)
                                          : createNewDatabase(state, dialogs, folder, true);
    } else if (databaseExistsIn(candidates.machineWide) &&
               openExisting(state, candidates.machineWide)) {
        opened = true;
    } else if (databaseExistsIn(candidates.user)) {
        opened = openExisting(state, candidates.user);
    } else {
        opened = createNewDatabase(state, dialogs, candidates.user, true);
    }
    if (!opened) {
        if (state.dataFolder.empty()) {
            useFolder(state, candidates.user);
        }
        closeConnection(state.dbConnection);
        dialogs.showMessage("Error", "Database not Found. Please contact customer support",
                            MessageIcon::Critical);
    }
    return opened;
}

}  // namespace quorvane
