// SPDX-License-Identifier: MIT
#include "gui/valuation/ValuationCharts.h"

#include "session/ProgramState.h"
#include "session/ShowMessage.h"

namespace quorvane::gui {

StandingsChart::StandingsChart(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : ChartPanel(state, dialogs, tr("Click 'Update Standings' to chart the totals"), parent) {
    setObjectName(QStringLiteral("chart_standings"));
}

std::optional<ChartData> StandingsChart::figures() {
    return standingsChart(m_state, m_state.includeReserves);
}

TargetsChart::TargetsChart(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : ChartPanel(state, dialogs, tr("Your team against the league"), parent) {
    setObjectName(QStringLiteral("chart_targets"));
}

std::optional<ChartData> TargetsChart::figures() {
    return targetsChart(m_state, m_state.includeReserves);
}

MoneyChart::MoneyChart(ProgramState& state, UserDialogs& dialogs, QWidget* parent)
    : ChartPanel(state, dialogs, tr("Money spent and left"), parent) {
    setObjectName(QStringLiteral("chart_money"));
}

std::optional<ChartData> MoneyChart::figures() {
    const bool auction = m_state.draftSettings()->drafttype == kDraftTypeAuction;
    setVisible(auction);
    if (!auction) {
        return std::nullopt;
    }
    return shown(m_dialogs, moneyChart(m_state));
}

}  // namespace quorvane::gui
