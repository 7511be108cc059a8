// SPDX-License-Identifier: MIT
#include "valuation/HeadToHeadStandings.h"

#include "advice/AdviceTeam.h"
#include "headtohead/HeadToHeadGrids.h"
#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"

namespace quorvane {

std::optional<OpenHeadToHead> openHeadToHead(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings() || state.draftSettings()->scoringstyle != kScoringHeadToHead) {
        return std::nullopt;
    }
    const DraftModel* model = currentDraftModel(state, dialogs);
    if (model == nullptr) {
        return std::nullopt;
    }
    return OpenHeadToHead{model, std::make_unique<HeadToHeadLeague>(*model, state.includeReserves)};
}

std::optional<GridTable> headToHeadStandingsGridOf(ProgramState& state, UserDialogs& dialogs) {
    const std::optional<OpenHeadToHead> open = openHeadToHead(state, dialogs);
    if (!open) {
        return std::nullopt;
    }
    return headToHeadStandingsGrid(*open->model, open->league->standings());
}

std::optional<GridTable> myMatchupGrid(ProgramState& state, UserDialogs& dialogs) {
    const std::optional<OpenHeadToHead> open = openHeadToHead(state, dialogs);
    if (!open) {
        return std::nullopt;
    }
    const std::optional<std::size_t> mine = adviceTeamIndex(*open->model, 0);
    if (!mine) {
        return std::nullopt;
    }
    return matchupGrid(*open->model, open->league->matchups(), *mine);
}

std::optional<std::map<int, double>> myChancesAgainstAverage(ProgramState& state,
                                                             UserDialogs& dialogs) {
    const std::optional<OpenHeadToHead> open = openHeadToHead(state, dialogs);
    if (!open) {
        return std::nullopt;
    }
    const std::optional<std::size_t> mine = adviceTeamIndex(*open->model, 0);
    if (!mine) {
        return std::nullopt;
    }
    const std::vector<double> chances = open->league->matchups().chancesAgainstAverage(*mine);
    std::map<int, double> byCategory;
    for (std::size_t c = 0; c < chances.size(); ++c) {
        byCategory[open->model->categories[c].definition->categoryid] = chances[c];
    }
    return byCategory;
}

}  // namespace quorvane
