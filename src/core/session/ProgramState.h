// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "model/DraftSession.h"
#include "platform/Version.h"
#include "store/ProgramStore.h"

namespace quorvane {

class RoomAdvice;

// What the whole program shares for one run, passed by reference to the operations that read or
// change it. There are no other program-wide variables; the front ends keep their own view
// options (position filter, sort, menu row) and hand core the ones an operation shows.
struct ProgramState : DraftSession {
    // Shown in the About box and compared with the service's offer by the update check.
    std::string appVersion{kAppVersion};
    // Read from the settings once at start-up and used by every download.
    std::string serviceHost;     // empty when no projection service is configured
    std::string supportAddress;  // named when the service cannot be reached; may be empty
    int statsMode = 0;           // the figures a list shows: 0 projections, 1 previous season
    // Once a draft was open the draft windows offer Cancel, whichever window opens next.
    bool draftLoaded = false;

    // Options the user sets in one window that change what core computes for every window: the
    // values with inflation, the reserves counted in the money, the advice on the players.
    bool showInflation = false;
    bool includeReserves = false;
    // The available players carry the pick advice (Gain, Z, Z$, VONA): always in the desktop
    // program, on asking on the command line, whose scripts rely on the grid's columns.
    bool showAdvice = false;
    // The advice of the last refresh, kept for the grid, the player card and the keepers.
    std::shared_ptr<RoomAdvice> roomAdvice;
};

}  // namespace quorvane
