// SPDX-License-Identifier: MIT
#include "headtohead/HeadToHeadExplain.h"

#include <string>

#include "text/NumberText.h"

namespace quorvane {

namespace {

std::string text(double value) {
    return numberText(value + 0.0);  // no "-0"
}

}  // namespace

std::vector<ExplainLine> headToHeadExplainLines(const DraftModel& model, const GScores& gScores,
                                                int playerid) {
    const ModelPlayer* player = model.findPlayer(playerid);
    if (player == nullptr) {
        return {};
    }
    const auto index = static_cast<std::size_t>(player - model.players.data());
    std::vector<ExplainLine> lines;
    lines.emplace_back("games_per_week", text(model.gamesPerWeek()));
    lines.emplace_back("counted_roster", std::to_string(model.startingSlots()));
    lines.emplace_back("kappa", text(gScores.kappa()));
    for (std::size_t c = 0; c < model.categories.size(); ++c) {
        const std::string symbol(model.categories[c].definition->heading);
        const CategoryScale& scale = gScores.scales()[c];
        lines.emplace_back(symbol + ".r", text(scale.varianceRatio));
        lines.emplace_back(symbol + ".tau", text(scale.tau()));
        lines.emplace_back(symbol + ".g", text(gScores.g(index, c)));
    }
    lines.emplace_back("g", text(gScores.total(index)));
    if (const std::optional<double> dollars = gScores.auctionDollars(index)) {
        lines.emplace_back("gdollars", text(*dollars));
    }
    return lines;
}

}  // namespace quorvane
