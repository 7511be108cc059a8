// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "model/CategoryTarget.h"
#include "model/SgpDenominator.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

// The open draft as one value: its settings (teams, slots, categories, turn), the categories'
// SGP denominators and the user's category targets. It is never changed in place; a change
// builds a new value and the program replaces its pointer, so whoever took the old one (a
// background run, a list being built) keeps a whole and consistent draft.
struct LoadedDraft {
    std::optional<DraftSettings> draftSettings;  // none while no draft is open
    std::vector<SgpDenominator> sgpDenominators;
    std::vector<CategoryTarget> categoryTargets;

    // A new value with one part replaced and the others as they are here.
    std::shared_ptr<const LoadedDraft> withDraftSettings(
        std::optional<DraftSettings> settings) const;
    std::shared_ptr<const LoadedDraft> withSgpDenominators(
        std::vector<SgpDenominator> denominators) const;
    std::shared_ptr<const LoadedDraft> withCategoryTargets(
        std::vector<CategoryTarget> targets) const;
};

}  // namespace quorvane
