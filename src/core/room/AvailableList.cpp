// SPDX-License-Identifier: MIT
#include "room/AvailableList.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "advice/CategoryFigures.h"
#include "room/AdpColumns.h"
#include "room/ListOrder.h"
#include "room/PlayerListFigures.h"
#include "room/PlayerLists.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

enum class FirstKey {
    Value,
    Rank,
    Name,
    Team,
    Position,
    Games,
    FantasyPoints,
    Adp,
    Aav,
    RankMinusAdp,
    Category,
};

struct Ordering {
    FirstKey key = FirstKey::Value;
    const ModelCategory* category = nullptr;
};

bool sameHeading(std::string_view heading, std::string_view known) {
    return compareIgnoringCase(heading, known) == 0;
}

Ordering orderingOf(const DraftModel& model, std::string_view heading, bool withAdp) {
    for (const auto& [name, key] : {std::pair{std::string_view("name"), FirstKey::Name},
                                    std::pair{std::string_view("team"), FirstKey::Team},
                                    std::pair{std::string_view("pos"), FirstKey::Position},
                                    std::pair{std::string_view("gp"), FirstKey::Games},
                                    std::pair{std::string_view("fpts"), FirstKey::FantasyPoints}}) {
        if (sameHeading(heading, name)) {
            return {key, nullptr};
        }
    }
    if (withAdp) {
        for (const auto& [name, key] :
             {std::pair{kAdpHeading, FirstKey::Adp}, std::pair{kAavHeading, FirstKey::Aav},
              std::pair{kRankMinusAdpHeading, FirstKey::RankMinusAdp}}) {
            if (sameHeading(heading, name)) {
                return {key, nullptr};
            }
        }
    }
    for (const ModelCategory& category : model.categories) {
        if (sameHeading(heading, category.definition->heading)) {
            return {FirstKey::Category, &category};
        }
    }
    // The value column ("$" or "RK"), the notes and the advice's columns (which the grid sorts
    // itself) all come in the draft's order of value.
    return {model.auction() ? FirstKey::Value : FirstKey::Rank, nullptr};
}

// Players without the figure come last, whichever way the figure sorts.
void pushFigureLast(std::vector<SortValue>& keys, const std::optional<double>& figure) {
    keys.push_back(SortValue::of(figure ? 0.0 : 1.0));
    keys.push_back(figure ? SortValue::of(*figure) : SortValue::missing());
}

std::vector<SortTerm> termsOf(const Ordering& ordering) {
    std::vector<SortTerm> terms;
    switch (ordering.key) {
        case FirstKey::Value:
        case FirstKey::Games:
        case FirstKey::FantasyPoints:
            terms.push_back({true, false});
            break;
        case FirstKey::Rank:
            terms.push_back({false, false});
            break;
        case FirstKey::Team:
        case FirstKey::Position:
            terms.push_back({false, true});
            break;
        case FirstKey::Adp:
        case FirstKey::RankMinusAdp:
            terms.push_back({false, false});
            terms.push_back({false, false});
            break;
        case FirstKey::Aav:
            terms.push_back({false, false});
            terms.push_back({true, false});
            break;
        case FirstKey::Category:
            // Fewer turnovers are better, so they come first.
            terms.push_back(
                {ordering.category->definition->categoryid != kTurnoversCategory, false});
            break;
        case FirstKey::Name:
            break;
    }
    terms.insert(terms.end(), kNameTerms.begin(), kNameTerms.end());
    return terms;
}

struct ShownRow {
    const ModelPlayer* player = nullptr;
    double fantasyPoints = 0.0;
    AdpFigures adp;
};

void pushKeys(std::vector<SortValue>& keys, const Ordering& ordering, const ShownRow& row) {
    const ModelPlayer& player = *row.player;
    switch (ordering.key) {
        case FirstKey::Value:
            keys.push_back(SortValue::of(player.dollars));
            break;
        case FirstKey::Rank:
            keys.push_back(SortValue::of(static_cast<double>(player.rank)));
            break;
        case FirstKey::Team:
            keys.push_back(textSortValue(player.team));
            break;
        case FirstKey::Position:
            keys.push_back(textSortValue(player.pos, player.posMissing));
            break;
        case FirstKey::Games:
            keys.push_back(SortValue::of(statOf(player.stats, StatColumn::Games)));
            break;
        case FirstKey::FantasyPoints:
            keys.push_back(SortValue::of(row.fantasyPoints));
            break;
        case FirstKey::Adp:
            pushFigureLast(keys, row.adp.adp);
            break;
        case FirstKey::Aav:
            pushFigureLast(keys, row.adp.aav);
            break;
        case FirstKey::RankMinusAdp:
            pushFigureLast(keys, row.adp.rankMinusAdp);
            break;
        case FirstKey::Category:
            keys.push_back(SortValue::of(figureOf(*ordering.category->formula, player.stats)));
            break;
        case FirstKey::Name:
            break;
    }
    pushNameKeys(keys, player);
}

std::vector<std::string> cellsOf(const DraftModel& model, const ShownRow& row, bool withAdp) {
    const ModelPlayer& player = *row.player;
    std::vector<std::string> cells;
    cells.reserve(10 + model.categories.size());
    cells.push_back(std::to_string(player.playerid));
    cells.push_back(std::to_string(player.flag));
    cells.push_back(model.auction() ? formatPattern(player.dollars, "0.00")
                                    : std::to_string(player.rank));
    if (model.pointsLeague()) {
        cells.push_back(formatPattern(row.fantasyPoints, "0.##"));
    }
    cells.push_back(listName(player));
    cells.push_back(player.team.value_or(std::string()));
    cells.push_back(player.pos);
    cells.push_back(numberText(statOf(player.stats, StatColumn::Games)));
    for (const ModelCategory& category : model.categories) {
        cells.push_back(
            categoryCellText(*category.definition, figureOf(*category.formula, player.stats)));
    }
    if (withAdp) {
        appendAdpCells(cells, row.adp);
    }
    cells.push_back(player.notes.value_or(std::string()));
    return cells;
}

}  // namespace

std::vector<const ModelPlayer*> seasonRows(const DraftModel& model, int season) {
    std::vector<const ModelPlayer*> rows;
    if (season == model.projectionYear) {
        rows.reserve(model.players.size());
        for (const ModelPlayer& player : model.players) {
            rows.push_back(&player);
        }
    } else {
        for (const ModelPlayer& player : model.otherSeasons) {
            if (player.yearofprojection == season) {
                rows.push_back(&player);
            }
        }
    }
    std::sort(rows.begin(), rows.end(), [](const ModelPlayer* left, const ModelPlayer* right) {
        return left->storedOrder < right->storedOrder;
    });
    return rows;
}

GridTable availablePlayersGrid(const DraftModel& model, const AvailableListRequest& request) {
    std::unordered_set<int> taken;
    for (const ModelPick& pick : model.picks) {
        taken.insert(pick.playerid);
    }
    const AdpColumnFigures adpFigures(model);
    std::vector<ShownRow> shown;
    for (const ModelPlayer* player : seasonRows(model, request.statsYear)) {
        if (taken.contains(player->playerid) ||
            (request.positions != 0 && (player->positions & request.positions) == 0)) {
            continue;
        }
        ShownRow row{player, 0.0, {}};
        if (model.pointsLeague()) {
            row.fantasyPoints = shownFantasyPoints(model.categories, player->stats);
        }
        if (request.withAdp) {
            row.adp = adpFigures.of(*player);
        }
        shown.push_back(row);
    }

    const Ordering ordering = orderingOf(model, request.sortHeading, request.withAdp);
    const std::vector<SortTerm> terms = termsOf(ordering);
    std::vector<SortValue> keys;
    keys.reserve(shown.size() * terms.size());
    for (const ShownRow& row : shown) {
        pushKeys(keys, ordering, row);
    }

    GridTable grid;
    grid.hiddenColumns = {0};
    grid.rows.reserve(shown.size());
    grid.rowColours.reserve(shown.size());
    for (const std::size_t index : sortedOrder(shown.size(), keys, terms)) {
        grid.rows.push_back(cellsOf(model, shown[index], request.withAdp));
        grid.rowColours.push_back(flagColour(shown[index].player->flag));
    }
    return grid;
}

}  // namespace quorvane
