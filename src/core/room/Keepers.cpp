// SPDX-License-Identifier: MIT
#include "room/Keepers.h"

#include "model/DraftSession.h"
#include "room/PlayerLists.h"
#include "room/RoomValues.h"
#include "room/WriteFailures.h"
#include "store/DraftPlayerRepository.h"
#include "store/DraftTakenRepository.h"
#include "text/NumberText.h"

namespace quorvane {

Outcome<GridTable> readKeeperFreeAgents(DraftSession& state) {
    const auto players = readFreePlayersByName(state.dbConnection, state.projectionYear,
                                               state.draftSettings()->template_id);
    if (!players) {
        return databaseFailure(state.dbConnection, " 12001 error: could not access database");
    }
    GridTable grid;
    grid.headings = {"playerid", "Name", "Team", "Pos"};
    grid.rows.reserve(players->size());
    for (const FreePlayerRow& player : *players) {
        grid.rows.push_back(
            {std::to_string(player.playerid), commaName(player), player.team, player.pos});
    }
    grid.hiddenColumns = {0};
    return grid;
}

Outcome<GridTable> readKeepersOf(DraftSession& state, int teamid) {
    const auto keepers = readKeeperRows(state.dbConnection, state.projectionYear,
                                        state.draftSettings()->template_id, teamid);
    if (!keepers) {
        return databaseFailure(state.dbConnection, " 12002 error: could not access database");
    }
    GridTable grid = keeperGrid(*keepers);
    grid.hiddenColumns = {0};
    if (state.draftSettings()->drafttype != kDraftTypeAuction) {
        grid.hiddenColumns.insert(grid.hiddenColumns.end(), {3, 4, 5});
    }
    return grid;
}

GridTable keeperGrid(const std::vector<KeeperRow>& keepers) {
    const auto money = [](std::optional<double> value) {
        return value ? formatPattern(*value, "0.00") : std::string();
    };
    GridTable grid;
    grid.headings = {"playerid", "Name", "Pos", "Price", "Value", "Surplus"};
    grid.rows.reserve(keepers.size());
    for (const KeeperRow& keeper : keepers) {
        const std::optional<double> surplus =
            keeper.value && keeper.price ? std::optional<double>(*keeper.value - *keeper.price)
                                         : std::nullopt;
        grid.rows.push_back({std::to_string(keeper.playerid),
                             commaName(keeper.firstname, keeper.lastname), keeper.pos,
                             keeper.priceText, money(keeper.value), money(surplus)});
    }
    return grid;
}

std::string keepersTitle(const DraftSession& state, int teamid) {
    for (const DraftTeam& team : state.draftSettings()->draftTeams) {
        if (team.teamid == teamid) {
            return "Listed Keepers for " + team.teamname;
        }
    }
    return "Listed Keepers for ";
}

Outcome<KeeperDialog> readKeeperDialog(DraftSession& state, int playerid) {
    const auto card = readPlayerCard(state.dbConnection, state.projectionYear, playerid);
    if (!card) {
        return databaseFailure(state.dbConnection, " 14001 error: could not access database");
    }
    KeeperDialog dialog;
    // The caption joins the names only when the player has both.
    const bool named = *card && (*card)->firstname && (*card)->lastname;
    dialog.playerName = named ? *(*card)->firstname + " " + *(*card)->lastname : std::string();
    dialog.positions = choosePosition(*state.draftSettings(), *card ? (*card)->pos : std::string());
    dialog.showDollars = state.draftSettings()->drafttype == kDraftTypeAuction;
    dialog.value = *card ? (*card)->dollars : 0.0;
    return dialog;
}

std::string keeperSurplusCaption(double value, std::string_view priceText) {
    std::string caption = "Value " + formatMoney(value, 2);
    if (const std::optional<double> price = parseNumber(trim(priceText))) {
        caption += ", surplus " + formatMoney(value - *price, 2);
    }
    return caption;
}

}  // namespace quorvane
