// SPDX-License-Identifier: MIT
#include "model/LoadedDraft.h"

#include <utility>

namespace quorvane {

std::shared_ptr<const LoadedDraft> LoadedDraft::withDraftSettings(
    std::optional<DraftSettings> settings) const {
    auto next = std::make_shared<LoadedDraft>(*this);
    next->draftSettings = std::move(settings);
    return next;
}

std::shared_ptr<const LoadedDraft> LoadedDraft::withSgpDenominators(
    std::vector<SgpDenominator> denominators) const {
    auto next = std::make_shared<LoadedDraft>(*this);
    next->sgpDenominators = std::move(denominators);
    return next;
}

std::shared_ptr<const LoadedDraft> LoadedDraft::withCategoryTargets(
    std::vector<CategoryTarget> targets) const {
    auto next = std::make_shared<LoadedDraft>(*this);
    next->categoryTargets = std::move(targets);
    return next;
}

}  // namespace quorvane
