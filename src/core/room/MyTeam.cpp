// SPDX-License-Identifier: MIT
#include "room/MyTeam.h"

#include <algorithm>

#include "room/RoomValues.h"
#include "room/Rosters.h"
#include "vocabulary/DraftSettings.h"

namespace quorvane {

namespace {

std::string fullName(const DraftPick& pick) {
    return pick.firstname.empty() ? pick.lastname : pick.firstname + " " + pick.lastname;
}

RosterSlotLine lineOf(const DraftSettings& draft, const DraftPick& pick, const std::string& slot) {
    RosterSlotLine line;
    line.slot = slot;
    line.playerid = pick.playerid;
    line.name = fullName(pick);
    line.pos = pick.pos;
    if (draft.drafttype == kDraftTypeAuction) {
        line.paid = formatPrice(pick.dollars, priceDecimals(draft));
    } else {
        line.paid = pick.draftorder == 0 ? "KEEPER" : pickLabel(pick.draftorder, draft.teams);
    }
    return line;
}

// Rotisserie standings rank by rank points, a points league by its weighted totals; either way
// the higher figure is the better place.
double standingsFigure(const StandingsEntry& entry, bool points) {
    return points ? entry.points : entry.rank;
}

CategoryPlace placeIn(const std::vector<StandingsEntry>& standings, int teamid, int categoryid,
                      bool points) {
    CategoryPlace place;
    const auto mine = std::find_if(standings.begin(), standings.end(), [&](const auto& entry) {
        return entry.teamid == teamid && entry.categoryid == categoryid;
    });
    if (mine == standings.end()) {
        return place;
    }
    place.symbol = categoryid == 0 ? "Total" : mine->symbol;
    const double figure = standingsFigure(*mine, points);
    int better = 0;
    int same = 0;
    for (const StandingsEntry& entry : standings) {
        if (entry.categoryid != categoryid || entry.teamid == teamid) {
            continue;
        }
        const double other = standingsFigure(entry, points);
        better += other > figure ? 1 : 0;
        same += other == figure ? 1 : 0;
    }
    place.place = better + 1;
    place.tied = same > 0;
    return place;
}

}  // namespace

MyTeamPanel buildMyTeamPanel(const DraftSettings& draft, int teamid,
                             const std::vector<DraftPick>& picks,
                             const std::vector<StandingsEntry>& standings) {
    MyTeamPanel panel;
    panel.teamid = teamid;
    panel.teams = draft.teams;
    panel.auction = draft.drafttype == kDraftTypeAuction;
    panel.priceDecimals = priceDecimals(draft);
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.teamid == teamid) {
            panel.teamname = team.teamname;
        }
    }

    std::vector<const DraftPick*> mine;
    std::vector<std::string> slots;
    double spent = 0.0;
    for (const DraftPick& pick : picks) {
        if (pick.teamid == teamid) {
            mine.push_back(&pick);
            slots.push_back(pick.slot);
            spent += pick.dollars;
        }
    }
    const std::vector<std::string> slotRows = rosterSlotRows(draft);
    const std::vector<int> placed = placeInSlotRows(slotRows, slots);
    std::vector<RosterSlotLine> noSlot;
    std::vector<RosterSlotLine> overflow;
    panel.roster.reserve(slotRows.size());
    for (const std::string& slot : slotRows) {
        RosterSlotLine open;
        open.slot = slot;
        panel.roster.push_back(std::move(open));
    }
    for (std::size_t index = 0; index < mine.size(); ++index) {
        if (placed[index] == kNoSlotRow) {
            noSlot.push_back(lineOf(draft, *mine[index], ""));
        } else if (placed[index] == kOverflowRow) {
            overflow.push_back(lineOf(draft, *mine[index], "NA"));
        } else {
            const auto row = static_cast<std::size_t>(placed[index]);
            panel.roster[row] = lineOf(draft, *mine[index], slotRows[row]);
        }
    }
    panel.openSlots = static_cast<int>(std::count_if(panel.roster.begin(), panel.roster.end(),
                                                     [](const auto& line) { return line.open(); }));
    panel.roster.insert(panel.roster.begin(), noSlot.begin(), noSlot.end());
    panel.roster.insert(panel.roster.end(), overflow.begin(), overflow.end());

    if (panel.auction) {
        panel.moneyLeft = draft.dollars - spent;
        panel.largestBid = largestBid(draft, panel.moneyLeft, static_cast<int>(mine.size()));
    }

    const bool points = draft.scoringstyle == kScoringPoints;
    if (const CategoryPlace total = placeIn(standings, teamid, 0, points); total.place > 0) {
        panel.total = total;
    }
    for (const CategoryWeight& weight : draft.categories) {
        if (const CategoryPlace place = placeIn(standings, teamid, weight.categoryid, points);
            place.place > 0) {
            panel.places.push_back(place);
        }
    }
    return panel;
}

GridTable myTeamRosterGrid(const MyTeamPanel& panel) {
    GridTable grid;
    grid.headings = {"playerid", "Slot", "Player", panel.auction ? "$" : "Pick"};
    grid.hiddenColumns = {0};
    for (const RosterSlotLine& line : panel.roster) {
        grid.rows.push_back({line.open() ? std::string() : std::to_string(line.playerid), line.slot,
                             line.name, line.paid});
        grid.rowColours.push_back(line.open() ? std::optional<Rgb>(kOpenSlotRowColour)
                                              : std::nullopt);
    }
    return grid;
}

std::string ordinal(int place) {
    const int lastTwo = place % 100;
    const int last = place % 10;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        suffix = last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
    }
    return std::to_string(place) + suffix;
}

std::string placesLine(const MyTeamPanel& panel) {
    std::string line;
    const auto add = [&line](const CategoryPlace& place) {
        line += (line.empty() ? "" : " \u00b7 ") + place.symbol + " " + (place.tied ? "T-" : "") +
                ordinal(place.place);
    };
    if (panel.total) {
        add(*panel.total);
    }
    for (const CategoryPlace& place : panel.places) {
        add(place);
    }
    return line;
}

}  // namespace quorvane
