// SPDX-License-Identifier: MIT
#include "valuation/Standings.h"

#include "model/DraftModelLoader.h"
#include "model/DraftSession.h"
#include "valuation/HeadToHeadStandings.h"

namespace quorvane {

std::optional<GridTable> calcStandings(DraftSession& session, bool includeReserves, bool skipGrid) {
    const auto entries = readStandings(session, includeReserves);
    if (!entries) {
        return std::nullopt;
    }
    if (skipGrid) {
        return GridTable{};
    }
    return standingsGridOf(session, includeReserves, *entries);
}

std::optional<GridTable> standingsGridOf(DraftSession& session, bool includeReserves,
                                         const std::vector<StandingsEntry>& entries) {
    if (session.draftSettings()->scoringstyle == kScoringHeadToHead) {
        // The grid's failure is the log's alone.
        Outcome<GridTable> grid = headToHeadStandingsGridOf(session, includeReserves);
        if (!grid) {
            return std::nullopt;
        }
        return std::move(grid.value());
    }
    return standingsGrid(entries, session.draftSettings()->scoringstyle != kScoringPoints);
}

std::optional<std::vector<StandingsEntry>> readStandings(DraftSession& session,
                                                         bool includeReserves) {
    if (!session.hasDraft()) {
        return std::nullopt;
    }
    // readStandings reports a failure in the log only.
    const Outcome<const DraftModel*> model = currentDraftModel(session);
    if (!model || model.value() == nullptr) {
        session.dbConnection.log().writeEntry(" 90050 error: could not select standings");
        return std::nullopt;
    }
    return projectedStandings(*session.draftSettings(), *model.value(), includeReserves);
}

}  // namespace quorvane
