// SPDX-License-Identifier: MIT
#include "advicedata/ValuationFigureReader.h"

#include <map>
#include <string>
#include <string_view>

#include "advice/CategoryFigures.h"
#include "app/ProgramState.h"
#include "app/UserDialogs.h"

namespace quorvane {

namespace {

constexpr std::string_view kReadFailed = " 91004 error: could not read the valuation figures";

SqlValue whole(long long value) {
    return SqlValue{std::int64_t{value}};
}

class FigureReader {
  public:
    FigureReader(ProgramState& state, UserDialogs& dialogs, const DraftModel& model,
                 const ModelPlayer& player)
        : m_state(state), m_dialogs(dialogs), m_model(model), m_player(player) {
        m_figures.dollars = player.dollars;
        m_figures.rank = player.rank;
    }

    std::optional<ValuationFigures> read() {
        const bool read = m_model.pointsLeague() ? readPoints() : readSgp();
        if (!read) {
            reportDatabaseError(m_dialogs, m_state.dbConnection, kReadFailed);
            return std::nullopt;
        }
        return m_figures;
    }

  private:
    bool query(Recordset& result, const std::string& sql) {
        return openRecordset(result, m_state.dbConnection, sql, {whole(m_player.playerid)});
    }

    bool readDenominators(std::map<int, double>& denominators) {
        Recordset rows;
        if (!openRecordset(rows, m_state.dbConnection,
                           "select categoryid, sgp_denominator from category")) {
            return false;
        }
        for (const auto& row : rows.rows()) {
            denominators[static_cast<int>(toInt(row[0]))] = toDouble(row[1]);
        }
        return true;
    }

    // Both the statistics and the SGP terms are read from the valuation's own row, the terms
    // through the very expressions its SGP sum is built from.
    bool readSgp() {
        std::map<int, double> denominators;
        if (!readDenominators(denominators)) {
            return false;
        }
        std::string terms;
        for (std::size_t c = 0; c < m_model.categories.size(); ++c) {
            const CategoryDefinition& category = *m_model.categories[c].definition;
            terms += ", (" +
                     sgpTermFor(category, denominators[category.categoryid], m_model.teamCount()) +
                     ") as term" + std::to_string(c);
        }
        Recordset row;
        if (!query(row, "select * " + terms + " from proj_cats where playerid = ?")) {
            return false;
        }
        if (row.eof()) {
            return true;
        }
        m_figures.valued = true;
        double sgp = 0.0;
        for (std::size_t c = 0; c < m_model.categories.size(); ++c) {
            const CategoryDefinition& category = *m_model.categories[c].definition;
            const double term = row.getDouble("term" + std::to_string(c));
            m_figures.sgpCategories.push_back({std::string(category.heading),
                                               row.getDouble(category.workColumn),
                                               denominators[category.categoryid], term});
            sgp += term;
        }
        const double above = row.getDouble("sgp");
        m_figures.sgp = sgp;
        m_figures.sgpAboveReplacement = above;
        m_figures.replacementLevel = sgp - above;
        m_figures.group = groupOf(row.getText("pos"));
        m_figures.dollars = row.getDouble("dollars");
        return readDollarsPerSgp();
    }

    std::string groupOf(const std::string& pos) const {
        const DraftSettings& settings = *m_state.draftSettings;
        if (settings.F + settings.PF + settings.SF + settings.G + settings.PG + settings.SG < 1) {
            return "all players";
        }
        return pos == "C" ? "centres" : "non-centres";
    }

    // Every valued player's dollars are minbid + sgp * rate with the one rate of the run; the
    // player furthest from replacement level gives it most exactly.
    bool readDollarsPerSgp() {
        Recordset row;
        if (!openRecordset(row, m_state.dbConnection,
                           "select sgp, dollars from proj_cats where sgp <> 0.0 "
                           "order by abs(sgp) desc limit 1")) {
            return false;
        }
        if (!row.eof()) {
            m_figures.dollarsPerSgp =
                (row.getDouble("dollars") - m_model.minbid) / row.getDouble("sgp");
        }
        return true;
    }

    bool readPoints() {
        Recordset row;
        if (!query(row, "select * from vbd_cat_points where playerid = ?")) {
            return false;
        }
        if (row.eof()) {
            return true;
        }
        m_figures.valued = true;
        double points = 0.0;
        for (const ModelCategory& use : m_model.categories) {
            const double weighted = row.getDouble(use.definition->workColumn);
            m_figures.pointsCategories.push_back({std::string(use.definition->heading),
                                                  figureOf(*use.formula, m_player.stats),
                                                  use.weight, weighted});
            points += weighted;
        }
        m_figures.points = points;
        Recordset vbd;
        if (!query(vbd, "select vbd from vbd_player_points where playerid = ?")) {
            return false;
        }
        if (!vbd.eof() && !vbd.isNull("vbd")) {
            m_figures.vbd = vbd.getDouble("vbd");
            m_figures.baseline = points - *m_figures.vbd;
        }
        if (!m_model.auction()) {
            m_figures.dollars.reset();
        }
        return true;
    }

    ProgramState& m_state;
    UserDialogs& m_dialogs;
    const DraftModel& m_model;
    const ModelPlayer& m_player;
    ValuationFigures m_figures;
};

}  // namespace

std::optional<ValuationFigures> readValuationFigures(ProgramState& state, UserDialogs& dialogs,
                                                     const DraftModel& model, int playerid) {
    const ModelPlayer* player = model.findPlayer(playerid);
    if (player == nullptr || !state.draftSettings) {
        return ValuationFigures{};
    }
    return FigureReader(state, dialogs, model, *player).read();
}

}  // namespace quorvane
