// SPDX-License-Identifier: MIT
#include "room/Rosters.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "model/DraftModel.h"
#include "model/DraftSession.h"
#include "model/TeamFigures.h"
#include "room/DraftPicks.h"
#include "room/RoomValues.h"
#include "room/WriteFailures.h"
#include "text/LetterCase.h"
#include "text/NumberText.h"
#include "text/Utf8Text.h"
#include "vocabulary/SlotKinds.h"

namespace quorvane {

namespace {

// The roster grid lists guards first, then forwards, centres, utility and reserves.
constexpr std::array<std::string_view, kSlotKinds> kListingOrder = {"G",  "PG", "SG", "F", "SF",
                                                                    "PF", "C",  "UT", "R"};

// A player on a team's roster as its grid shows him.
struct RosterPlayer {
    int playerid = 0;
    int teamid = 0;
    std::string name;  // "Last, First"; empty when either name is missing
    std::string team;  // the NBA team
    int draftorder = 0;
    double dollars = 0.0;
    std::string slot;  // as stored; empty for none
};

// Where a slot sorts on the roster: a slot that is none of the listed ones (or none at all)
// comes first, then the listing order.
int listingPlace(const ModelPick& pick) {
    if (pick.slotMissing) {
        return -1;
    }
    const std::string slot = upperText(pick.slot);
    const auto found = std::find(kListingOrder.begin(), kListingOrder.end(), slot);
    return found == kListingOrder.end() ? -1 : static_cast<int>(found - kListingOrder.begin());
}

std::vector<RosterPlayer> rosterPlayersOf(const DraftModel& model, int teamid) {
    std::vector<std::pair<int, RosterPlayer>> placed;
    for (const ModelPick& pick : model.picks) {
        const ModelPlayer* player =
            pick.teamid == teamid ? model.findPlayer(pick.playerid) : nullptr;
        if (player == nullptr) {
            continue;
        }
        const bool named = !player->firstnameMissing && !player->lastnameMissing;
        placed.push_back(
            {listingPlace(pick),
             {pick.playerid, pick.teamid,
              named ? player->lastname + ", " + player->firstname : std::string(),
              player->team.value_or(std::string()), pick.pickNumber, pick.price, pick.slot}});
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<RosterPlayer> players;
    players.reserve(placed.size());
    for (auto& [place, player] : placed) {
        players.push_back(std::move(player));
    }
    return players;
}

std::vector<std::string> playerCells(const RosterPlayer& player, const DraftSettings& draft,
                                     bool withSlot) {
    const bool auction = draft.drafttype == kDraftTypeAuction;
    std::string last;
    if (auction) {
        last = formatPrice(player.dollars, priceDecimals(draft));
    } else if (!withSlot) {
        last = std::to_string(player.draftorder);
    } else {
        last = player.draftorder == 0 ? "KEEPER" : pickLabel(player.draftorder, draft.teams);
    }
    return {std::to_string(player.playerid), std::to_string(player.teamid), player.name,
            player.team, last};
}

// The grid of the slot rows alone, every one empty.
RosterGrid slotRowsGrid(const DraftSettings& draft) {
    RosterGrid grid;
    grid.table.headings = {"PlayerID", "TeamID", "Name", "Team",
                           draft.drafttype == kDraftTypeAuction ? "$" : "Rd.Sel.Ov"};
    grid.table.hiddenColumns = {0, 1};
    grid.rowHeaders = rosterSlotRows(draft);
    const std::size_t slotRows = grid.rowHeaders.size();
    grid.table.rows.assign(slotRows, std::vector<std::string>(5));
    grid.table.rowColours.assign(slotRows, std::nullopt);
    return grid;
}

// In a straight or snake draft the money list names the teams, the one on the clock marked.
std::vector<MoneyLine> turnMoneyLines(const DraftSettings& draft) {
    std::vector<MoneyLine> lines;
    for (const DraftTeam& team : draft.draftTeams) {
        MoneyLine line{leadingCharacters(team.teamname, 16), false};
        if (team.currentpick == 1) {
            line.bold = true;
            line.caption = (draft.draftdirection == "U" ? ">>" : "<<") + line.caption;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace

std::vector<std::string> rosterSlotRows(const DraftSettings& draft) {
    std::vector<std::string> rows;
    for (const std::string_view slot : kListingOrder) {
        const int count = slotCountOf(draft, *slotKindOf(slot));
        for (int i = 0; i < count; ++i) {
            rows.emplace_back(slot);
        }
    }
    return rows;
}

std::vector<int> placeInSlotRows(const std::vector<std::string>& slotRows,
                                 const std::vector<std::string>& playerSlots) {
    std::vector<bool> filled(slotRows.size(), false);
    std::vector<int> rows;
    rows.reserve(playerSlots.size());
    for (const std::string& slot : playerSlots) {
        int row = slot.empty() ? kNoSlotRow : kOverflowRow;
        for (std::size_t r = 0; r < slotRows.size() && row == kOverflowRow; ++r) {
            if (!filled[r] && slotRows[r] == slot) {
                filled[r] = true;
                row = static_cast<int>(r);
            }
        }
        rows.push_back(row);
    }
    return rows;
}

RosterGrid rosterGridOf(const DraftModel& model, int teamid) {
    const DraftSettings& draft = *model.settings;
    RosterGrid grid = slotRowsGrid(draft);
    grid.playersRead = true;

    // A player without a slot gets a grey row of his own above the slot rows, and one for whom
    // no row of his slot is free an "NA" row at the end.
    std::vector<std::vector<std::string>> cells;
    std::vector<std::string> slots;
    for (const RosterPlayer& player : rosterPlayersOf(model, teamid)) {
        slots.push_back(player.slot);
        cells.push_back(playerCells(player, draft, !slots.back().empty()));
    }
    const std::vector<int> placed = placeInSlotRows(grid.rowHeaders, slots);
    std::vector<std::vector<std::string>> noSlotRows;
    std::vector<std::vector<std::string>> overflowRows;
    for (std::size_t player = 0; player < cells.size(); ++player) {
        if (placed[player] == kNoSlotRow) {
            noSlotRows.push_back(std::move(cells[player]));
        } else if (placed[player] == kOverflowRow) {
            overflowRows.push_back(std::move(cells[player]));
        } else {
            grid.table.rows[static_cast<std::size_t>(placed[player])] = std::move(cells[player]);
        }
    }

    for (auto& row : overflowRows) {
        grid.rowHeaders.emplace_back("NA");
        grid.table.rows.push_back(std::move(row));
        grid.table.rowColours.emplace_back(std::nullopt);
    }
    grid.rowHeaders.insert(grid.rowHeaders.begin(), noSlotRows.size(), std::string());
    grid.table.rowColours.insert(grid.table.rowColours.begin(), noSlotRows.size(),
                                 kNoSlotRowColour);
    grid.table.rows.insert(grid.table.rows.begin(), std::make_move_iterator(noSlotRows.begin()),
                           std::make_move_iterator(noSlotRows.end()));
    return grid;
}

RosterRead getTeamRoster(DraftSession& session, int teamid) {
    if (!session.draftSettings()) {
        return {};
    }
    const DraftModel* model = heldModelForLists(session);
    if (model == nullptr) {
        return {slotRowsGrid(*session.draftSettings()),
                databaseFailure(session.dbConnection, " 60000 error: could not access database")
                    .message};
    }
    return {rosterGridOf(*model, teamid), std::nullopt};
}

double largestBid(const DraftSettings& draft, double moneyLeft, int playersOnTeam) {
    // Reserve slots are left out: a team need not fill its bench to bid.
    const int openSlots =
        draft.C + draft.G + draft.F + draft.PF + draft.SF + draft.PG + draft.SG + draft.UT;
    return moneyLeft - nonNegativeInteger((openSlots - 1) - playersOnTeam) * draft.minbid;
}

std::vector<MoneyLine> moneyLinesOf(const DraftModel& model) {
    const DraftSettings& draft = *model.settings;
    if (draft.drafttype != kDraftTypeAuction) {
        return turnMoneyLines(draft);
    }
    const int decimals = priceDecimals(draft);
    std::vector<MoneyLine> lines;
    lines.push_back({"Owner - Amt (Max)", true});
    for (const TeamMoney& team : teamMoneyOf(model)) {
        lines.push_back(
            {leadingCharacters(team.teamname, 11) + " - " + formatMoney(team.left, decimals) +
                 " (" +
                 formatPrice(largestBid(draft, team.left, playersOn(model, team.teamid)),
                             decimals) +
                 ")",
             false});
    }
    return lines;
}

Outcome<std::vector<MoneyLine>> showTeamMoney(DraftSession& session) {
    if (!session.draftSettings()) {
        return WriteFailure{};
    }
    // Outside auctions the list needs nothing but the settings.
    if (session.draftSettings()->drafttype != kDraftTypeAuction) {
        return turnMoneyLines(*session.draftSettings());
    }
    const DraftModel* model = heldModelForLists(session);
    if (model == nullptr) {
        return databaseFailure(session.dbConnection, " 90002 error: could not get auction dollars");
    }
    return moneyLinesOf(*model);
}

std::vector<TeamMoney> teamMoneyOf(const DraftModel& model) {
    std::vector<TeamMoney> teams;
    teams.reserve(model.teams.size());
    for (const ModelTeam& team : model.teams) {
        const double spent = moneySpent(model, team.teamid);
        teams.push_back({team.teamid, team.teamname, spent, model.cap() - spent});
    }
    return teams;
}

Outcome<std::vector<TeamMoney>> readTeamMoney(DraftSession& session) {
    if (!session.draftSettings()) {
        return WriteFailure{};
    }
    const DraftModel* model = heldModelForLists(session);
    if (model == nullptr) {
        return databaseFailure(session.dbConnection, " 90001 error: could not get auction dollars");
    }
    return teamMoneyOf(*model);
}

GridTable draftLogOf(const DraftModel& model) {
    const DraftSettings& draft = *model.settings;
    const bool auction = draft.drafttype == kDraftTypeAuction;
    GridTable grid;
    grid.headings = {"Ord", "Name", "Pos", "Team"};
    if (auction) {
        grid.headings.emplace_back("$");
    }
    std::vector<const ModelPick*> picks;
    for (const ModelPick& pick : model.picks) {
        if (pick.pickNumber > 0) {
            picks.push_back(&pick);
        }
    }
    std::stable_sort(picks.begin(), picks.end(), [](const ModelPick* a, const ModelPick* b) {
        return a->pickNumber > b->pickNumber;
    });
    const char* pattern = priceDecimals(draft) == 2 ? "0.00" : "0";
    for (const ModelPick* pick : picks) {
        const ModelPlayer* player = model.findPlayer(pick->playerid);
        const ModelTeam* team = model.findTeam(pick->teamid);
        if (player == nullptr || team == nullptr) {
            continue;
        }
        const bool named = !player->firstnameMissing && !player->lastnameMissing;
        std::vector<std::string> cells{
            std::to_string(pick->pickNumber),
            named ? player->firstname + " " + player->lastname : std::string(), pick->slot,
            team->teamname};
        if (auction) {
            cells.push_back(formatPattern(pick->price, pattern));
        }
        grid.rows.push_back(std::move(cells));
    }
    return grid;
}

std::optional<GridTable> fillDraftLog(DraftSession& session) {
    if (!session.draftSettings()) {
        return std::nullopt;
    }
    const DraftModel* model = heldModelForLists(session);
    if (model == nullptr) {
        session.dbConnection.log().writeEntry(" 90006 error: could not get list of players");
        return std::nullopt;
    }
    return draftLogOf(*model);
}

}  // namespace quorvane
