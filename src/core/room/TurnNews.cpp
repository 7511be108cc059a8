// SPDX-License-Identifier: MIT
#include "room/TurnNews.h"

#include "app/ProgramState.h"
#include "room/DraftPicks.h"
#include "room/Turns.h"

namespace quorvane {

namespace {

std::string teamName(const ProgramState& state, int teamid) {
    for (const DraftTeam& team : state.draftSettings->draftTeams) {
        if (team.teamid == teamid) {
            return team.teamname;
        }
    }
    return {};
}

std::optional<DraftPick> lastPick(ProgramState& state) {
    const auto picks = readDraftPicks(state);
    if (!picks || picks->empty() || picks->back().draftorder == 0) {
        return std::nullopt;
    }
    return picks->back();
}

}  // namespace

std::optional<TurnChange> undoLastPickTold(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings) {
        return std::nullopt;
    }
    const std::optional<DraftPick> before = lastPick(state);
    const TurnPosition turnBefore = currentTurn(state);
    auto view = undoLastPick(state, dialogs);
    if (!view || !state.draftSettings) {
        return std::nullopt;
    }
    const std::optional<DraftPick> after = lastPick(state);
    const TurnPosition turnAfter = currentTurn(state);
    const int clockAfter = teamOnTheClock(state);
    TurnChange change{std::move(*view), "Nothing to undo"};
    if (before && (!after || after->draftorder != before->draftorder)) {
        const std::string name = before->firstname.empty()
                                     ? before->lastname
                                     : before->firstname + " " + before->lastname;
        change.news = "Undid #" + std::to_string(before->draftorder) + " " + name + ", " +
                      teamName(state, before->teamid);
    } else if ((turnAfter.position != turnBefore.position ||
                turnAfter.direction != turnBefore.direction) &&
               clockAfter > 0) {
        change.news = "Undid a skip: " + teamName(state, clockAfter) + " on the clock";
    }
    return change;
}

std::optional<TurnChange> skipTurnTold(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings) {
        return std::nullopt;
    }
    const int clockBefore = teamOnTheClock(state);
    const bool auction = state.draftSettings->drafttype == kDraftTypeAuction;
    auto view = skipTurn(state, dialogs);
    if (!view || !state.draftSettings) {
        return std::nullopt;
    }
    TurnChange change{std::move(*view), "Nothing to skip in an auction"};
    if (!auction) {
        const int clockAfter = teamOnTheClock(state);
        change.news = clockBefore > 0 ? "Skipped " + teamName(state, clockBefore) : "Skipped";
        if (clockAfter > 0) {
            change.news += ": " + teamName(state, clockAfter) + " on the clock";
        }
    }
    return change;
}

}  // namespace quorvane
