// SPDX-License-Identifier: MIT
#include "advice/ExplainLines.h"

#include "text/NumberText.h"

namespace quorvane {

namespace {

class Lines {
  public:
    void add(std::string key, double value) { m_lines.emplace_back(std::move(key), text(value)); }
    void add(std::string key, const std::optional<double>& value) {
        m_lines.emplace_back(std::move(key), value ? text(*value) : std::string());
    }
    void add(std::string key, std::string value) {
        m_lines.emplace_back(std::move(key), std::move(value));
    }
    std::vector<ExplainLine> take() { return std::move(m_lines); }

  private:
    static std::string text(double value) { return numberText(value + 0.0); }
    std::vector<ExplainLine> m_lines;
};

void addValuation(Lines& lines, const ValuationFigures& figures, const DraftModel& model) {
    if (!figures.valued) {
        lines.add("valued", std::string("no"));
        return;
    }
    if (model.headToHead()) {
        // The value is his G$, whose math follows the z-scores below.
    } else if (model.pointsLeague()) {
        for (const PointsCategoryFigures& category : figures.pointsCategories) {
            lines.add(category.symbol + ".statistic", category.statistic);
            lines.add(category.symbol + ".weight", category.weight);
            lines.add(category.symbol + ".points", category.points);
        }
        lines.add("points", figures.points);
        lines.add("baseline", figures.baseline);
        lines.add("vbd", figures.vbd);
    } else {
        for (const SgpCategoryFigures& category : figures.sgpCategories) {
            lines.add(category.symbol + ".statistic", category.statistic);
            lines.add(category.symbol + ".denominator", category.denominator);
            lines.add(category.symbol + ".sgp", category.term);
        }
        lines.add("sgp", figures.sgp);
        lines.add("group", figures.group);
        lines.add("replacement", figures.replacementLevel);
        lines.add("sgp_above", figures.sgpAboveReplacement);
        lines.add("dollars_per_sgp", figures.dollarsPerSgp);
    }
    lines.add("dollars", figures.dollars);
}

}  // namespace

std::vector<ExplainLine> explainLines(const DraftModel& model, const ZScores& zScores,
                                      const ValuationFigures& figures, int playerid) {
    const ModelPlayer* player = model.findPlayer(playerid);
    if (player == nullptr) {
        return {};
    }
    const auto index = static_cast<std::size_t>(player - model.players.data());
    Lines lines;
    lines.add("playerid", std::to_string(playerid));
    lines.add("name", player->firstname + " " + player->lastname);
    addValuation(lines, figures, model);
    lines.add("rank", figures.rank > 0 ? std::to_string(figures.rank) : std::string());
    std::string punts;
    for (std::size_t c = 0; c < model.categories.size(); ++c) {
        const ModelCategory& category = model.categories[c];
        const std::string symbol(category.definition->heading);
        const CategoryMoments& moments = zScores.moments()[c];
        if (category.formula->kind == FigureKind::Volume) {
            lines.add(symbol + ".rate", moments.rate);
        }
        lines.add(symbol + ".mean", moments.mean);
        lines.add(symbol + ".sd", moments.sd);
        lines.add(symbol + ".z", zScores.z(index, c));
        if (category.punted) {
            punts += (punts.empty() ? "" : " ") + symbol;
        }
    }
    lines.add("punts", punts);
    lines.add("zpool", static_cast<double>(zScores.pool().size()));
    lines.add("z", zScores.total(index));
    if (const std::optional<double> dollars = zScores.dollars(index)) {
        lines.add("zdollars", *dollars);
    }
    return lines.take();
}

}  // namespace quorvane
