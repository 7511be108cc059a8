// SPDX-License-Identifier: MIT
#include "room/WatchList.h"

#include <algorithm>

#include "room/RoomValues.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"

namespace quorvane {

std::optional<std::vector<WatchedPlayerRow>> readOpenWatchList(ProgramState& state) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    auto players =
        readWatchList(state.dbConnection, state.draftSettings()->template_id, state.projectionYear);
    if (!players) {
        state.dbConnection.log().writeEntry(" 90300 error: could not read the watch list");
    }
    return players;
}

bool setWatched(ProgramState& state, UserDialogs& dialogs, int playerid, bool watched) {
    if (!state.draftSettings()) {
        return false;
    }
    const int draft = state.draftSettings()->template_id;
    const bool written = watched ? addToWatchList(state.dbConnection, draft, playerid)
                                 : removeFromWatchList(state.dbConnection, draft, playerid);
    if (!written) {
        reportDatabaseError(dialogs, state.dbConnection,
                            watched ? " 90301 error: could not add to the watch list"
                                    : " 90302 error: could not remove from the watch list");
    }
    return written;
}

std::optional<bool> toggleWatched(ProgramState& state, UserDialogs& dialogs, int playerid) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    const auto players =
        readWatchList(state.dbConnection, state.draftSettings()->template_id, state.projectionYear);
    if (!players) {
        reportDatabaseError(dialogs, state.dbConnection,
                            " 90300 error: could not read the watch list");
        return std::nullopt;
    }
    const bool watched = std::any_of(players->begin(), players->end(), [playerid](const auto& row) {
        return row.playerid == playerid;
    });
    if (!setWatched(state, dialogs, playerid, !watched)) {
        return std::nullopt;
    }
    return !watched;
}

GridTable watchListGrid(const DraftSettings& draft, const std::vector<WatchedPlayerRow>& players) {
    const bool auction = draft.drafttype == kDraftTypeAuction;
    GridTable grid;
    grid.headings = {"playerid", "Name", "Team", "Pos", auction ? "$" : "RK", "Avail", "Taken"};
    // Availability figures come with another change; until then the column stays out of sight.
    grid.hiddenColumns = {0, 5};
    const int decimals = priceDecimals(draft);
    for (const WatchedPlayerRow& player : players) {
        const std::string value = auction           ? formatPrice(player.dollars, decimals)
                                  : player.rank > 0 ? std::to_string(player.rank)
                                                    : std::string();
        grid.rows.push_back(
            {std::to_string(player.playerid),
             player.firstname.empty() ? player.lastname : player.firstname + " " + player.lastname,
             player.team, player.pos, value, std::string(), player.takenByName});
    }
    return grid;
}

}  // namespace quorvane
