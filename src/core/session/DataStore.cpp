// SPDX-License-Identifier: MIT
#include "session/DataStore.h"

#include <filesystem>
#include <system_error>

#include "projections/ProjectionImport.h"
#include "projections/SampleProjections.h"
#include "session/DatabaseFile.h"
#include "session/ProgramState.h"
#include "session/ProjectionConversation.h"
#include "session/UserDialogs.h"
#include "store/Schema.h"
#include "store/StoredPlayerRows.h"

namespace quorvane {

namespace {

void useFolder(ProgramStore& state, const std::string& folder) {
    state.dataFolder = folder;
    state.connectionString = databasePathIn(folder);
    state.logFilePath = logPathIn(folder);
}

bool openExisting(ProgramStore& state, const std::string& folder) {
    useFolder(state, folder);
    if (!openConnection(state.dbConnection, state.connectionString, Log(state.logFilePath))) {
        return false;
    }
    // Tables added by newer versions of the program appear in older files too.
    return upgradeSchema(state.dbConnection);
}

void logSampleMissing(const Log& log) {
    log.writeEntry(" 12005 error: could not find the sample projections - " +
                   std::string(kSampleProjectionsFileName));
}

bool databaseExistsIn(const std::string& folder) {
    std::error_code error;
    return !folder.empty() && std::filesystem::is_regular_file(databasePathIn(folder), error);
}

}  // namespace

bool createNewDatabase(ProgramState& state, UserDialogs& dialogs, const std::string& folder,
                       bool withSampleProjections) {
    std::optional<std::string> sample;
    if (withSampleProjections) {
        sample = findSampleProjections();
        if (!sample) {
            logSampleMissing(Log(logPathIn(folder)));
        }
    }
    return createNewDatabase(state, dialogs, folder, sample);
}

bool createNewDatabase(ProgramState& state, UserDialogs& dialogs, const std::string& folder,
                       const std::optional<std::string>& sampleFile) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    useFolder(state, folder);
    if (buildDatabaseFile(state, dialogs, sampleFile) && openExisting(state, folder)) {
        return true;
    }
    closeConnection(state.dbConnection);
    return false;
}

std::optional<ImportResult> loadSampleProjections(ProgramState& state, UserDialogs& dialogs) {
    const auto sample = findSampleProjections();
    if (!sample) {
        dialogs.showMessage(kLoadSampleTitle,
                            "The sample projections (" + std::string(kSampleProjectionsFileName) +
                                ") were not found beside the program.",
                            MessageIcon::Exclamation);
        logSampleMissing(state.dbConnection.log());
        return std::nullopt;
    }
    return importProjectionFile(state, dialogs, *sample);
}

bool offerSampleProjections(ProgramState& state, UserDialogs& dialogs) {
    const std::optional<std::int64_t> players = countPlayerRows(state.dbConnection);
    if (!players || *players > 0 || !findSampleProjections()) {
        return false;
    }
    if (!dialogs.askYesNo(kLoadSampleTitle, kLoadSampleQuestion)) {
        return false;
    }
    return loadSampleProjections(state, dialogs).has_value();
}

bool openDataStore(ProgramState& state, UserDialogs& dialogs,
                   const DataFolderCandidates& candidates) {
    const auto openOrCreate = [&](const std::string& folder) {
        return databaseExistsIn(folder) ? openExisting(state, folder)
                                        : createNewDatabase(state, dialogs, folder, true);
    };
    bool opened = false;
    if (candidates.overrideFolder) {
        opened = openOrCreate(*candidates.overrideFolder);
    } else if (databaseExistsIn(candidates.machineWide)) {
        opened = openExisting(state, candidates.machineWide);
        // A machine-wide database that another program holds is still the one to use: going
        // on to the user's folder would make a second, empty database there.
        if (!opened && !state.dbConnection.lastFailureWasBusy()) {
            opened = openOrCreate(candidates.user);
        }
    } else {
        opened = openOrCreate(candidates.user);
    }
    if (!opened) {
        if (state.dataFolder.empty()) {
            useFolder(state, candidates.user);
        }
        closeConnection(state.dbConnection);
        // Another program holding the file is not a missing database: the user is told to
        // try again instead.
        showDatabaseFailure(dialogs, state.dbConnection, "Error",
                            "Database not Found. Please contact customer support",
                            MessageIcon::Critical);
    }
    return opened;
}

}  // namespace quorvane
