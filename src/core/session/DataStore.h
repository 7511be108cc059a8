// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/DataFolder.h"
#include "projections/ProjectionImport.h"
#include "session/DatabaseFile.h"
#include "vocabulary/Outcome.h"

namespace quorvane {

struct DraftSession;
struct ProgramState;
class UserDialogs;

// The same for a session whose caller tells the person itself: the sample projections of a new
// database come through `importSample`, and why no database could be opened comes back.
Outcome<Done> openDataStore(DraftSession& session, const DataFolderCandidates& candidates,
                            const SampleImport& importSample);
bool createNewDatabase(DraftSession& session, const std::string& folder,
                       const std::optional<std::string>& sampleFile,
                       const SampleImport& importSample);

// The sample projections imported with the busy pointer on and a failure shown.
SampleImport sampleImportShownBy(UserDialogs& dialogs);

// Finds the data folder and opens the database on `state.dbConnection`, creating a new
// database in the override or user folder when none exists yet. Sets dataFolder,
// connectionString and logFilePath (the log lies beside the database). When no database can be
// opened or created, tells the user "Database not Found. Please contact customer support" and
// returns false; the connection stays closed. When another program held the file past the busy
// timeout, "Database is busy" is told instead and the connection reports a busy failure.
bool openDataStore(ProgramState& state, UserDialogs& dialogs,
                   const DataFolderCandidates& candidates);

// Creates a database file with every table and the category rows, then fills it with the
// sample projections unless `withSampleProjections` is false. Leaves it open on the state. The
// file appears complete or not at all (see buildDatabaseFile).
bool createNewDatabase(ProgramState& state, UserDialogs& dialogs, const std::string& folder,
                       bool withSampleProjections);
// The same with the projection file to fill it from (none: no projections).
bool createNewDatabase(ProgramState& state, UserDialogs& dialogs, const std::string& folder,
                       const std::optional<std::string>& sampleFile);

inline constexpr std::string_view kLoadSampleTitle = "Load Sample Projections";
inline constexpr std::string_view kLoadSampleQuestion =
    "The draft database holds no players yet. Load the sample projections now? You can load "
    "a projection file of your own at any time with \"Update Projections\".";

// Imports the sample projections the program ships; nullopt after the failure was shown.
std::optional<ImportResult> loadSampleProjections(ProgramState& state, UserDialogs& dialogs);

// At start-up: a database without a single player (a first start that was cut short before
// the rename existed, or one made with `init --empty`) offers the sample projections. True
// when they were loaded.
bool offerSampleProjections(ProgramState& state, UserDialogs& dialogs);

}  // namespace quorvane
