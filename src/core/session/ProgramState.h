// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/LoadedDraft.h"
#include "platform/Version.h"
#include "store/ProgramStore.h"

namespace quorvane {

class DraftModelCache;
class RoomAdvice;

// What the whole program shares for one run, passed by reference to the operations that read or
// change it. There are no other program-wide variables; the front ends keep their own view
// options (position filter, sort, menu row) and hand core the ones an operation shows.
struct ProgramState : ProgramStore {
    // Shown in the About box and compared with the service's offer by the update check.
    std::string appVersion{kAppVersion};
    // Read from the settings once at start-up and used by every download.
    std::string serviceHost;     // empty when no projection service is configured
    std::string supportAddress;  // named when the service cannot be reached; may be empty
    // The seasons every list and valuation reads: the projections, and the figures a list shows.
    int projectionYear = kProjectionYear;
    int researchYear = kProjectionYear;
    int statsMode = 0;  // 0 projections, 1 previous season
    // Once a draft was open the draft windows offer Cancel, whichever window opens next.
    bool draftLoaded = false;

    // The open draft, its denominators and targets; replaced as a whole when any part changes.
    std::shared_ptr<const LoadedDraft> loadedDraft = std::make_shared<const LoadedDraft>();

    // Options the user sets in one window that change what core computes for every window: the
    // values with inflation, the reserves counted in the money, the advice on the players.
    bool showInflation = false;
    bool includeReserves = false;
    // The available players carry the pick advice (Gain, Z, Z$, VONA): always in the desktop
    // program, on asking on the command line, whose scripts rely on the grid's columns.
    bool showAdvice = false;
    // The open draft held in memory, read again whenever the file changed; shared by every
    // window and the background runs.
    std::shared_ptr<DraftModelCache> draftModel;
    // The advice of the last refresh, kept for the grid, the player card and the keepers.
    std::shared_ptr<RoomAdvice> roomAdvice;

    const std::optional<DraftSettings>& draftSettings() const { return loadedDraft->draftSettings; }
    const std::vector<SgpDenominator>& sgpDenominators() const {
        return loadedDraft->sgpDenominators;
    }
    const std::vector<CategoryTarget>& categoryTargets() const {
        return loadedDraft->categoryTargets;
    }
    bool hasDraft() const { return draftSettings().has_value(); }

    void replaceDraftSettings(std::optional<DraftSettings> settings) {
        loadedDraft = loadedDraft->withDraftSettings(std::move(settings));
    }
    // The open draft's settings as `change` leaves a copy of them. Only with a draft open.
    template <class Change>
    void changeDraftSettings(Change&& change) {
        DraftSettings next = *draftSettings();
        std::forward<Change>(change)(next);
        replaceDraftSettings(std::move(next));
    }
    // Every valuation reads the denominators again; the draft is replaced only when they changed.
    void replaceSgpDenominators(std::vector<SgpDenominator> denominators) {
        if (denominators != loadedDraft->sgpDenominators) {
            loadedDraft = loadedDraft->withSgpDenominators(std::move(denominators));
        }
    }
    void replaceCategoryTargets(std::vector<CategoryTarget> targets) {
        loadedDraft = loadedDraft->withCategoryTargets(std::move(targets));
    }
};

}  // namespace quorvane
