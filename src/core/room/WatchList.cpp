// SPDX-License-Identifier: MIT
#include "room/WatchList.h"

#include <algorithm>

#include "model/DraftSession.h"
#include "room/RoomValues.h"
#include "room/WriteFailures.h"

namespace quorvane {

std::optional<std::vector<WatchedPlayerRow>> readOpenWatchList(DraftSession& session) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    auto players = readWatchList(session.dbConnection, session.draftSettings()->template_id,
                                 session.projectionYear);
    if (!players) {
        session.dbConnection.log().writeEntry(" 90300 error: could not read the watch list");
    }
    return players;
}

Outcome<Done> setWatched(DraftSession& session, int playerid, bool watched) {
    if (!session.draftSettings()) {
        return WriteFailure{};
    }
    const int draft = session.draftSettings()->template_id;
    const bool written = watched ? addToWatchList(session.dbConnection, draft, playerid)
                                 : removeFromWatchList(session.dbConnection, draft, playerid);
    if (!written) {
        return databaseFailure(session.dbConnection,
                               watched ? " 90301 error: could not add to the watch list"
                                       : " 90302 error: could not remove from the watch list");
    }
    return Done{};
}

Outcome<bool> toggleWatched(DraftSession& session, int playerid) {
    if (!session.draftSettings()) {
        return WriteFailure{};
    }
    const auto players = readWatchList(session.dbConnection, session.draftSettings()->template_id,
                                       session.projectionYear);
    if (!players) {
        return databaseFailure(session.dbConnection, " 90300 error: could not read the watch list");
    }
    const bool watched = std::any_of(players->begin(), players->end(), [playerid](const auto& row) {
        return row.playerid == playerid;
    });
    if (Outcome<Done> written = setWatched(session, playerid, !watched); !written) {
        return written.failure();
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
