// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Version.h"
#include "draftconfig/DraftSettings.h"
#include "store/Connection.h"
#include "valuation/CategoryTarget.h"
#include "valuation/SgpDenominator.h"

namespace quorvane {

class DraftModelCache;
class RoomAdvice;

// Everything the whole program shares for one run, passed by reference to the operations that
// read or change it. There are no other program-wide variables.
struct ProgramState {
    std::string dataFolder;
    std::string connectionString;  // path of the database file
    Connection dbConnection;
    std::string logFilePath;
    std::string appVersion{kAppVersion};
    std::string serviceHost;     // empty when no projection service is configured
    std::string supportAddress;  // named when the service cannot be reached; may be empty
    int projectionYear = kProjectionYear;
    int researchYear = kProjectionYear;
    int statsMode = 0;  // 0 projections, 1 previous season
    std::string positionFilter = "All Players";
    int freeAgentSortColumn = 0;
    std::string researchFilter = "BOTH";
    std::string researchSort = "NAME";
    bool draftLoaded = false;
    bool noteEdited = false;
    bool searchNoComplete = false;
    int menuRow = -1;
    int editPosIndex = 0;
    std::optional<DraftSettings> draftSettings;
    std::vector<SgpDenominator> sgpDenominators;
    std::vector<CategoryTarget> categoryTargets;

    // View options that operations read: "Show Inflation" and "Include Reserves".
    bool showInflation = false;
    bool includeReserves = false;
    // The available players carry the pick advice (Gain, Z, Z$, VONA): always in the desktop
    // program, on asking on the command line, whose scripts rely on the grid's columns.
    bool showAdvice = false;
    // The open draft held in memory, read again whenever the file changed.
    std::shared_ptr<DraftModelCache> draftModel;
    // The advice of the last refresh, kept for the grid, the player card and the keepers.
    std::shared_ptr<RoomAdvice> roomAdvice;

    bool hasDraft() const { return draftSettings.has_value(); }
};

}  // namespace quorvane
