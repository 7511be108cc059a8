// SPDX-License-Identifier: MIT
#include "valuation/HeadToHeadStandings.h"

#include "advice/AdviceTeam.h"
#include "headtohead/HeadToHeadGrids.h"
#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "valuation/ValuationSteps.h"

namespace quorvane {

namespace {

// The open league and the user's team in it.
struct MyHeadToHead {
    OpenHeadToHead open;
    std::size_t mine = 0;
};

Outcome<MyHeadToHead> myHeadToHead(DraftSession& session, bool includeReserves) {
    Outcome<OpenHeadToHead> open = openHeadToHead(session, includeReserves);
    if (!open) {
        return open.failure();
    }
    const std::optional<std::size_t> mine = adviceTeamIndex(*open->model, 0);
    if (!mine) {
        return unspoken();
    }
    return MyHeadToHead{std::move(open.value()), *mine};
}

}  // namespace

Outcome<OpenHeadToHead> openHeadToHead(DraftSession& session, bool includeReserves) {
    if (!session.draftSettings() || session.draftSettings()->scoringstyle != kScoringHeadToHead) {
        return unspoken();
    }
    const Outcome<const DraftModel*> model = currentDraftModel(session);
    if (!model) {
        return model.failure();
    }
    if (model.value() == nullptr) {
        return unspoken();
    }
    return OpenHeadToHead{model.value(),
                          std::make_unique<HeadToHeadLeague>(*model.value(), includeReserves)};
}

Outcome<GridTable> headToHeadStandingsGridOf(DraftSession& session, bool includeReserves) {
    const Outcome<OpenHeadToHead> open = openHeadToHead(session, includeReserves);
    if (!open) {
        return open.failure();
    }
    return headToHeadStandingsGrid(*open->model, open->league->standings());
}

Outcome<GridTable> myMatchupGrid(DraftSession& session, bool includeReserves) {
    const Outcome<MyHeadToHead> my = myHeadToHead(session, includeReserves);
    if (!my) {
        return my.failure();
    }
    return matchupGrid(*my->open.model, my->open.league->matchups(), my->mine);
}

Outcome<std::map<int, double>> myChancesAgainstAverage(DraftSession& session,
                                                       bool includeReserves) {
    const Outcome<MyHeadToHead> my = myHeadToHead(session, includeReserves);
    if (!my) {
        return my.failure();
    }
    const DraftModel& model = *my->open.model;
    const std::vector<double> chances = my->open.league->matchups().chancesAgainstAverage(my->mine);
    std::map<int, double> byCategory;
    for (std::size_t c = 0; c < chances.size(); ++c) {
        byCategory[model.categories[c].definition->categoryid] = chances[c];
    }
    return byCategory;
}

}  // namespace quorvane
