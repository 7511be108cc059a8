// SPDX-License-Identifier: MIT
#include "session/TurnNews.h"
#include "session/TurnConversation.h"

#include "room/DraftPicks.h"
#include "room/Turns.h"
#include "session/ProgramState.h"

namespace quorvane {

namespace {

std::string teamName(const ProgramState& state, int teamid) {
    for (const DraftTeam& team : state.draftSettings()->draftTeams) {
        if (team.teamid == teamid) {
            return team.teamname;
        }
    }
    return {};
}

std::string playerName(const std::vector<DraftPick>& picks, int playerid) {
    for (const DraftPick& pick : picks) {
        if (pick.playerid == playerid) {
            return pick.firstname.empty() ? pick.lastname : pick.firstname + " " + pick.lastname;
        }
    }
    return "player " + std::to_string(playerid);
}

std::string onTheClock(const ProgramState& state) {
    const int teamid = teamOnTheClock(*state.loadedDraft);
    return teamid > 0 ? ": " + teamName(state, teamid) + " on the clock" : std::string();
}

}  // namespace

std::optional<TurnChange> undoLastPickTold(ProgramState& state, UserDialogs& dialogs,
                                           const PlayerListView& list) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    // The names of the players as they stand before one of them leaves his team.
    const auto before = readDraftPicks(state);
    auto step = undoLastEntry(state, dialogs, list);
    if (!step || !state.draftSettings()) {
        return std::nullopt;
    }
    TurnChange change{std::move(step->view), "Nothing to undo"};
    if (!step->entry) {
        return change;
    }
    const HistoryEntry& undone = *step->entry;
    const std::string player =
        playerName(before.value_or(std::vector<DraftPick>{}), undone.playerid);
    switch (undone.kind) {
        case HistoryKind::Skip:
            change.news = "Undid a skip" + onTheClock(state);
            break;
        case HistoryKind::Keeper:
            change.news = "Undid keeper " + player + ", " + teamName(state, undone.teamid);
            break;
        default:
            change.news = "Undid #" + std::to_string(undone.turn) + " " + player + ", " +
                          teamName(state, undone.teamid);
            break;
    }
    return change;
}

std::optional<TurnChange> skipTurnTold(ProgramState& state, UserDialogs& dialogs,
                                       const PlayerListView& list) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    auto step = skipTurnStep(state, dialogs, list);
    if (!step || !state.draftSettings()) {
        return std::nullopt;
    }
    TurnChange change{std::move(step->view), "Nothing to skip: the draft is complete"};
    if (state.draftSettings()->drafttype == kDraftTypeAuction) {
        change.news = "Nothing to skip in an auction";
    } else if (step->entry) {
        change.news = "Skipped #" + std::to_string(step->entry->turn) + " " +
                      teamName(state, step->entry->teamid) + onTheClock(state);
    }
    return change;
}

}  // namespace quorvane
