// SPDX-License-Identifier: MIT
#pragma once

#include "platform/DataFolder.h"

namespace quorvane {

struct ProgramState;
struct ProgramStore;
class UserDialogs;

// The front end's part of start-up: the windows.
class StartupShell {
  public:
    virtual ~StartupShell() = default;
    // Load, prepare and show the main window.
    virtual void showMainWindow() = 0;
    // The update check; false when the program is to end (an update was started).
    virtual bool runUpdateCheck() = 0;
    // Show the open-draft window (drafts exist) or the new-draft window, modally.
    virtual void chooseDraft(bool draftsExist) = 0;
    // Fill the last-name search list.
    virtual void fillSearchList() = 0;
    // Prepare the draft room for the draft that was chosen.
    virtual void prepareDraftRoom() = 0;
};

enum class StartupOutcome { Running, Ended };

// The start-up sequence: data folder and connection, program state, main window, update
// check, category fix-up, the sample offer for a database without players, the draft choice and
// the draft room. Ended means the program is to exit (no database, a database another program
// held past the wait, or an update was started).
StartupOutcome runStartup(ProgramState& state, UserDialogs& dialogs, StartupShell& shell,
                          const DataFolderCandidates& candidates);

// Counts the stored drafts; on failure shows the database message, writes
// " 007 error: could not access database" and returns -1.
int countDrafts(ProgramStore& state, UserDialogs& dialogs);

}  // namespace quorvane
