// SPDX-License-Identifier: MIT
#include "hscores/TeamHScores.h"

#include "advice/ZScores.h"
#include "headtohead/GScores.h"

namespace quorvane {

std::optional<TeamHScores> teamHScores(const DraftModel& model, const HScoreRequest& request,
                                       const Progress& progress) {
    if (!model.headToHead()) {
        return TeamHScores{};
    }
    const ZScores z(model);
    const GScores g(model, z);
    const HScoreBasis basis(model, g);
    std::optional<std::vector<HScoreRow>> rows = hScores(model, basis, request, progress);
    if (!rows) {
        return std::nullopt;
    }
    return TeamHScores{std::move(*rows), basis.neutral()};
}

}  // namespace quorvane
