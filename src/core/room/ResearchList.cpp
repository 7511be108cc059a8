// SPDX-License-Identifier: MIT
#include "room/ResearchList.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>

#include "advice/CategoryFigures.h"
#include "room/AdpColumns.h"
#include "room/AvailableList.h"
#include "room/ListOrder.h"
#include "room/PlayerListFigures.h"
#include "room/PlayerLists.h"
#include "text/NumberText.h"

namespace quorvane {

namespace {

constexpr int kPointsCategory = 1;
constexpr int kAssistsCategory = 2;
constexpr int kStealsCategory = 3;
constexpr int kBlocksCategory = 28;
constexpr int kFreeThrowCategory = 14;
constexpr int kFieldGoalCategory = 15;
constexpr int kThreePointCategory = 17;

struct ResearchRow {
    const ModelPlayer* player = nullptr;
    const ModelPick* pick = nullptr;  // the taken grid's
    const ModelTeam* team = nullptr;  // the taken grid's
    std::vector<std::string> cells;
};

double statistic(const ModelPlayer& player, StatColumn column) {
    return statOf(player.stats, column);
}

double categoryFigure(const ModelPlayer& player, int categoryid) {
    return figureOf(categoryFormula(*findCategory(categoryid)), player.stats);
}

std::string percentageCell(const ModelPlayer& player, int categoryid) {
    return categoryCellText(*findCategory(categoryid), categoryFigure(player, categoryid));
}

void appendStatistics(std::vector<std::string>& cells, const ModelPlayer& player) {
    using enum StatColumn;
    const double points =
        statistic(player, Ftm) + 2.0 * statistic(player, Fgm) + statistic(player, Pt3m);
    for (const double figure :
         {statistic(player, Games), points, statistic(player, Assists), statistic(player, Steals),
          statistic(player, Blocks), statistic(player, Turnovers), statistic(player, Oreb),
          statistic(player, Dreb), statistic(player, Oreb) + statistic(player, Dreb)}) {
        cells.push_back(numberText(figure));
    }
    cells.push_back(percentageCell(player, kFieldGoalCategory));
    cells.push_back(percentageCell(player, kFreeThrowCategory));
    cells.push_back(numberText(statistic(player, Pt3m)));
    cells.push_back(percentageCell(player, kThreePointCategory));
}

std::vector<std::string> headingsOf(const DraftModel& model, const ResearchListRequest& request) {
    std::vector<std::string> headings{"playerid", model.auction() ? "$" : "DV"};
    if (request.taken) {
        headings.insert(headings.end(), {"PAID", "RK", "ORD", "Name", "Age", "Pos", "Team Name"});
    } else {
        headings.insert(headings.end(), {"RK", "Name", "Age", "Team", "Pos"});
    }
    headings.insert(headings.end(), {"GP", "PTS", "AST", "STL", "BLK", "TO", "ORB", "DRB", "REB",
                                     "FGP", "FTP", "3PTM", "3PCT"});
    if (request.withAdp) {
        for (std::string& heading : adpHeadings()) {
            headings.push_back(std::move(heading));
        }
    }
    return headings;
}

std::vector<std::string> cellsOf(const ResearchRow& row, const ResearchListRequest& request,
                                 const AdpColumnFigures& adp) {
    const ModelPlayer& player = *row.player;
    const char* pattern = request.priceDecimals == 2 ? "0.00" : "0";
    const std::optional<int> age = ageOn(player.dob, request.agesOn);
    const std::string ageCell = age ? std::to_string(*age) : std::string();
    std::vector<std::string> cells{std::to_string(player.playerid),
                                   formatPattern(player.dollars, pattern)};
    if (row.pick != nullptr) {
        cells.insert(cells.end(),
                     {formatPattern(row.pick->price, pattern), std::to_string(player.rank),
                      std::to_string(row.pick->pickNumber), listName(player), ageCell,
                      row.pick->slot, row.team->teamname});
    } else {
        cells.insert(cells.end(), {std::to_string(player.rank), listName(player), ageCell,
                                   player.team.value_or(std::string()), player.pos});
    }
    appendStatistics(cells, player);
    if (request.withAdp) {
        appendAdpCells(cells, adp.of(player));
    }
    return cells;
}

// The research view's own columns, by the key that sorts them.
std::optional<std::size_t> columnOfKey(const std::vector<std::string>& headings,
                                       std::string_view key) {
    for (std::size_t i = 0; i < headings.size(); ++i) {
        if (compareIgnoringCase(headings[i], key) == 0) {
            return i;
        }
    }
    return std::nullopt;
}

bool keyIs(std::string_view key, std::string_view known) {
    return compareIgnoringCase(key, known) == 0;
}

// The first sort terms of a key and each row's values for them; none for "Name" or a key
// whose column the grid does not show.
void orderByKey(std::string_view key, const ResearchListRequest& request,
                const std::vector<ResearchRow>& rows, const std::vector<std::string>& headings,
                const AdpColumnFigures& adp, std::vector<SortTerm>& terms,
                std::vector<std::vector<SortValue>>& firstKeys) {
    firstKeys.assign(rows.size(), {});
    const auto byNumber = [&](bool descending, const auto& figure) {
        terms.push_back({descending, false});
        for (std::size_t i = 0; i < rows.size(); ++i) {
            firstKeys[i].push_back(SortValue::of(figure(*rows[i].player)));
        }
    };
    const auto byCategory = [&](int categoryid) {
        byNumber(true,
                 [categoryid](const ModelPlayer& p) { return categoryFigure(p, categoryid); });
    };
    const auto byFigureLast = [&](bool descending, const auto& figure) {
        terms.push_back({false, false});
        terms.push_back({descending, false});
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::optional<double> value = figure(adp.of(*rows[i].player));
            firstKeys[i].push_back(SortValue::of(value ? 0.0 : 1.0));
            firstKeys[i].push_back(value ? SortValue::of(*value) : SortValue::missing());
        }
    };
    using enum StatColumn;
    if (keyIs(key, "$")) {
        byNumber(true, [](const ModelPlayer& p) { return p.dollars; });
    } else if (keyIs(key, "RK")) {
        byNumber(false, [](const ModelPlayer& p) { return static_cast<double>(p.rank); });
    } else if (keyIs(key, "Age")) {
        terms.push_back({false, false});
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::optional<int> age = ageOn(rows[i].player->dob, request.agesOn);
            firstKeys[i].push_back(age ? SortValue::of(static_cast<double>(*age))
                                       : SortValue::missing());
        }
    } else if (keyIs(key, "Team") || keyIs(key, "Pos")) {
        // The player's own team and position, also where the taken grid shows the slot.
        const bool team = keyIs(key, "Team");
        terms.push_back({false, true});
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ModelPlayer& p = *rows[i].player;
            firstKeys[i].push_back(team ? textSortValue(p.team)
                                        : textSortValue(p.pos, p.posMissing));
        }
    } else if (keyIs(key, "GP")) {
        byNumber(true, [](const ModelPlayer& p) { return statistic(p, Games); });
    } else if (keyIs(key, "PTS")) {
        byCategory(kPointsCategory);
    } else if (keyIs(key, "AST")) {
        byCategory(kAssistsCategory);
    } else if (keyIs(key, "STL")) {
        byCategory(kStealsCategory);
    } else if (keyIs(key, "BLK")) {
        byCategory(kBlocksCategory);
    } else if (keyIs(key, "TO")) {
        // Unlike the available players, turnovers sort from the most here.
        byCategory(kTurnoversCategory);
    } else if (keyIs(key, "ORB")) {
        byNumber(true, [](const ModelPlayer& p) { return statistic(p, Oreb); });
    } else if (keyIs(key, "DRB")) {
        byNumber(true, [](const ModelPlayer& p) { return statistic(p, Dreb); });
    } else if (keyIs(key, "REB")) {
        byNumber(true,
                 [](const ModelPlayer& p) { return statistic(p, Oreb) + statistic(p, Dreb); });
    } else if (keyIs(key, "FGP") || keyIs(key, "FTP") || keyIs(key, "3PCT")) {
        // These sort by the text they show, so ".500" comes after "1.000".
        const std::size_t column = *columnOfKey(headings, key);
        terms.push_back({true, false});
        for (std::size_t i = 0; i < rows.size(); ++i) {
            firstKeys[i].push_back(SortValue::of(std::string_view(rows[i].cells[column])));
        }
    } else if (keyIs(key, "3PTM")) {
        byNumber(true, [](const ModelPlayer& p) { return statistic(p, Pt3m); });
    } else if (request.withAdp && keyIs(key, kAdpHeading)) {
        byFigureLast(false, [](const AdpFigures& f) { return f.adp; });
    } else if (request.withAdp && keyIs(key, kAavHeading)) {
        byFigureLast(true, [](const AdpFigures& f) { return f.aav; });
    } else if (request.withAdp && keyIs(key, kRankMinusAdpHeading)) {
        byFigureLast(false, [](const AdpFigures& f) { return f.rankMinusAdp; });
    }
}

std::vector<ResearchRow> rowsOf(const DraftModel& model, const ResearchListRequest& request) {
    const std::vector<const ModelPlayer*> season = seasonRows(model, request.season);
    std::vector<ResearchRow> rows;
    if (!request.taken) {
        std::unordered_set<int> taken;
        for (const ModelPick& pick : model.picks) {
            taken.insert(pick.playerid);
        }
        for (const ModelPlayer* player : season) {
            if (!taken.contains(player->playerid)) {
                rows.push_back({player, nullptr, nullptr, {}});
            }
        }
        return rows;
    }
    std::vector<const ModelPlayer*> byId = season;
    std::sort(byId.begin(), byId.end(), [](const ModelPlayer* left, const ModelPlayer* right) {
        return left->playerid < right->playerid;
    });
    for (const ModelPick& pick : model.picks) {
        const auto found = std::lower_bound(
            byId.begin(), byId.end(), pick.playerid,
            [](const ModelPlayer* player, int id) { return player->playerid < id; });
        const ModelTeam* team = model.findTeam(pick.teamid);
        if (found != byId.end() && (*found)->playerid == pick.playerid && team != nullptr) {
            rows.push_back({*found, &pick, team, {}});
        }
    }
    return rows;
}

}  // namespace

GridTable researchGridOf(const DraftModel& model, const ResearchListRequest& request) {
    const AdpColumnFigures adp(model);
    std::vector<ResearchRow> rows = rowsOf(model, request);
    for (ResearchRow& row : rows) {
        row.cells = cellsOf(row, request, adp);
    }
    GridTable grid;
    grid.headings = headingsOf(model, request);
    grid.hiddenColumns = {0};
    grid.headingNotes.resize(grid.headings.size());
    grid.headingNotes[static_cast<std::size_t>(grid.columnIndex("Age"))] =
        "Age on " + isoDate(request.agesOn);

    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    if (isResearchSortKey(request.sortKey)) {
        std::vector<SortTerm> terms;
        std::vector<std::vector<SortValue>> firstKeys;
        orderByKey(request.sortKey, request, rows, grid.headings, adp, terms, firstKeys);
        terms.insert(terms.end(), kNameTerms.begin(), kNameTerms.end());
        std::vector<SortValue> keys;
        keys.reserve(rows.size() * terms.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            keys.insert(keys.end(), firstKeys[i].begin(), firstKeys[i].end());
            pushNameKeys(keys, *rows[i].player);
        }
        order = sortedOrder(rows.size(), keys, terms);
    }
    grid.rows.reserve(rows.size());
    for (const std::size_t index : order) {
        grid.rows.push_back(std::move(rows[index].cells));
    }
    return grid;
}

}  // namespace quorvane
