// SPDX-License-Identifier: MIT
#include "session/DataStore.h"

#include <filesystem>
#include <system_error>

#include "projections/ProjectionImport.h"
#include "projections/SampleProjections.h"
#include "session/DatabaseFile.h"
#include "session/ProgramState.h"
#include "session/ProjectionConversation.h"
#include "session/ShowMessage.h"
#include "session/UserDialogs.h"
#include "store/Schema.h"
#include "store/StoredPlayerRows.h"
#include "vocabulary/StatementFailures.h"

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

// The sample projections a new database in `folder` is filled from; missing ones are logged
// there.
std::optional<std::string> sampleProjectionsFor(const std::string& folder) {
    std::optional<std::string> sample = findSampleProjections();
    if (!sample) {
        logSampleMissing(Log(logPathIn(folder)));
    }
    return sample;
}

}  // namespace

bool createNewDatabase(ProgramState& state, UserDialogs& dialogs, const std::string& folder,
                       bool withSampleProjections) {
    const std::optional<std::string> sample =
        withSampleProjections ? sampleProjectionsFor(folder) : std::nullopt;
    return createNewDatabase(state, dialogs, folder, sample);
}

bool createNewDatabase(DraftSession& session, const std::string& folder,
                       const std::optional<std::string>& sampleFile,
                       const SampleImport& importSample) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    useFolder(session, folder);
    if (buildDatabaseFile(session, sampleFile, importSample) && openExisting(session, folder)) {
        return true;
    }
    closeConnection(session.dbConnection);
    return false;
}

bool createNewDatabase(ProgramState& state, UserDialogs& dialogs, const std::string& folder,
                       const std::optional<std::string>& sampleFile) {
    return createNewDatabase(state, folder, sampleFile, sampleImportShownBy(dialogs));
}

SampleImport sampleImportShownBy(UserDialogs& dialogs) {
    return [&dialogs](DraftSession& session, const std::string& sampleFile) {
        // A database without the sample is still usable: the user can load a file of his own.
        importProjectionFile(session, dialogs, sampleFile);
    };
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

Outcome<Done> openDataStore(DraftSession& session, const DataFolderCandidates& candidates,
                            const SampleImport& importSample) {
    const auto openOrCreate = [&](const std::string& folder) {
        return databaseExistsIn(folder)
                   ? openExisting(session, folder)
                   : createNewDatabase(session, folder, sampleProjectionsFor(folder), importSample);
    };
    bool opened = false;
    if (candidates.overrideFolder) {
        opened = openOrCreate(*candidates.overrideFolder);
    } else if (databaseExistsIn(candidates.machineWide)) {
        opened = openExisting(session, candidates.machineWide);
        // A machine-wide database that another program holds is still the one to use: going
        // on to the user's folder would make a second, empty database there.
        if (!opened && !session.dbConnection.lastFailureWasBusy()) {
            opened = openOrCreate(candidates.user);
        }
    } else {
        opened = openOrCreate(candidates.user);
    }
    if (opened) {
        return Done{};
    }
    if (session.dataFolder.empty()) {
        useFolder(session, candidates.user);
    }
    closeConnection(session.dbConnection);
    // Another program holding the file is not a missing database: the user is told to try
    // again instead.
    return statementFailed(session.dbConnection,
                           Message{"Error", "Database not Found. Please contact customer support",
                                   MessageIcon::Critical});
}

bool openDataStore(ProgramState& state, UserDialogs& dialogs,
                   const DataFolderCandidates& candidates) {
    const Outcome<Done> opened = openDataStore(state, candidates, sampleImportShownBy(dialogs));
    if (!opened) {
        showMessage(dialogs, opened.failure().message);
    }
    return opened.ok();
}

}  // namespace quorvane
