// SPDX-License-Identifier: MIT
#include "hscores/HScoreColumns.h"

#include <fmt/format.h>

#include "availability/AvailabilityColumns.h"

namespace quorvane {

HScoresShown hScoresShown(const DraftModel& model, const std::vector<HScoreRow>& rows,
                          const std::vector<double>& neutral, std::string key) {
    HScoresShown shown;
    shown.key = std::move(key);
    for (const HScoreRow& row : rows) {
        shown.h.emplace(model.players[row.player].playerid, row.h);
    }
    if (rows.empty()) {
        return shown;
    }
    const HScoreRow& best = rows.front();
    const ModelPlayer& player = model.players[best.player];
    PuntPlanShown plan;
    plan.playerid = player.playerid;
    plan.player = player.firstname + " " + player.lastname;
    plan.h = best.h;
    for (std::size_t c = 0; c < model.categories.size() && c < best.weights.size(); ++c) {
        const std::string symbol(model.categories[c].definition->heading);
        const double chance = c < best.chances.size() ? best.chances[c] : 0.5;
        plan.bars.push_back({symbol, best.weights[c], neutral[c], chance});
        if (plan.bars.back().givenUp()) {
            plan.givenUp.push_back(symbol);
        }
    }
    shown.plan = std::move(plan);
    return shown;
}

std::string hScoreKey(const DraftModel& model) {
    std::string key = availabilityKey(model);
    key += fmt::format("|{}:{}", model.headToHeadMode(), model.gamesPerWeek());
    for (const ModelCategory& category : model.categories) {
        key += fmt::format(":{}={}", category.definition->categoryid, category.varianceRatio);
    }
    return key;
}

void addHScoreColumn(GridTable& grid, const HScoresShown* shown) {
    const std::size_t at = grid.headings.size();
    grid.headings.emplace_back(kHScoreHeading);
    for (std::vector<std::string>& cells : grid.rows) {
        std::string text;
        if (shown != nullptr) {
            if (const auto found = shown->h.find(playerIdOfCells(cells)); found != shown->h.end()) {
                text = fmt::format("{:.4f}", found->second);
            }
        }
        cells.resize(at);
        cells.push_back(std::move(text));
    }
}

std::string givenUpText(const PuntPlanShown& plan) {
    if (plan.givenUp.empty()) {
        return "Gives up nothing";
    }
    std::string text = "Gives up ";
    for (std::size_t i = 0; i < plan.givenUp.size(); ++i) {
        text += (i == 0 ? "" : ", ") + plan.givenUp[i];
    }
    return text;
}

}  // namespace quorvane
