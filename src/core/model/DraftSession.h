// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "model/LoadedDraft.h"
#include "platform/Version.h"
#include "store/ProgramStore.h"

namespace quorvane {

class DraftModelCache;

// The open draft as core's operations see it: the store, the loaded draft (settings,
// denominators, targets), the draft held in memory and the seasons it is read for. An operation
// that reads or changes the open draft takes this and nothing of the front ends' own state.
struct DraftSession : ProgramStore {
    // The seasons every list and valuation reads: the projections, and the figures a list shows.
    int projectionYear = kProjectionYear;
    int researchYear = kProjectionYear;

    // The open draft, its denominators and targets; replaced as a whole when any part changes.
    std::shared_ptr<const LoadedDraft> loadedDraft = std::make_shared<const LoadedDraft>();

    // The open draft held in memory, read again whenever the file changed; shared by every
    // window and the background runs.
    std::shared_ptr<DraftModelCache> draftModel;

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
