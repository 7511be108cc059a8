// SPDX-License-Identifier: MIT
#include "valuation/Standings.h"

#include "model/DraftModelLoader.h"
#include "session/DraftModelConversation.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "valuation/HeadToHeadStandings.h"

namespace quorvane {

namespace {

// The standings of the draft as the file holds it.
std::optional<std::vector<StandingsEntry>> standingsOf(ProgramState& state, UserDialogs& dialogs) {
    const DraftModel* model = currentDraftModel(state, dialogs);
    if (model == nullptr) {
        return std::nullopt;
    }
    return projectedStandings(*state.draftSettings(), *model, state.includeReserves);
}

}  // namespace

std::optional<GridTable> calcStandings(ProgramState& state, UserDialogs& /*dialogs*/,
                                       bool skipGrid) {
    const auto entries = readStandings(state);
    if (!entries) {
        return std::nullopt;
    }
    if (skipGrid) {
        return GridTable{};
    }
    return standingsGridOf(state, *entries);
}

std::optional<GridTable> standingsGridOf(ProgramState& state,
                                         const std::vector<StandingsEntry>& entries) {
    if (state.draftSettings()->scoringstyle == kScoringHeadToHead) {
        LogOnlyDialogs quiet;
        return headToHeadStandingsGridOf(state, quiet);
    }
    return standingsGrid(entries, state.draftSettings()->scoringstyle != kScoringPoints);
}

std::optional<std::vector<StandingsEntry>> readStandings(ProgramState& state) {
    if (!state.hasDraft()) {
        return std::nullopt;
    }
    // readStandings reports a failure in the log only.
    LogOnlyDialogs quiet;
    auto entries = standingsOf(state, quiet);
    if (!entries) {
        state.dbConnection.log().writeEntry(" 90050 error: could not select standings");
    }
    return entries;
}

}  // namespace quorvane
