// SPDX-License-Identifier: MIT
#include "gui/room/PuntPlanPanel.h"

#include <QLabel>
#include <QVBoxLayout>

#include <fmt/format.h>

#include "gui/widgets/NamedWidget.h"
#include "gui/widgets/NewestRun.h"
#include "gui/widgets/PuntPlanBars.h"
#include "hscores/MatchupObjective.h"
#include "hscores/TeamHScores.h"

namespace quorvane::gui {

PuntPlanPanel::PuntPlanPanel(QWidget* parent)
    : QGroupBox(tr("Punt plan"), parent), m_run(new NewestRun(this)) {
    setObjectName(QStringLiteral("frm_punt_plan"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    lbl_punt_plan = makeNamed<QLabel>("lbl_punt_plan", this);
    lbl_punt_plan->setWordWrap(true);
    lbl_punt_plan->setToolTip(
        tr("The weights the best pick by H-score gives each category (bars) against neutral "
           "weights (marks): categories far below their mark are given up."));
    layout->addWidget(lbl_punt_plan);
    m_bars = makeNamed<PuntPlanBars>("punt_plan_bars", this);
    layout->addWidget(m_bars);
    connect(m_run, &NewestRun::finished, this, [this] {
        showPlan();
        emit finished();
    });
    hide();
}

const HScoresShown* PuntPlanPanel::current() const {
    return m_shown && m_shown->key == m_key ? m_shown.get() : nullptr;
}

void PuntPlanPanel::start(const DraftModel& model) {
    setVisible(model.headToHead());
    if (!model.headToHead()) {
        return;
    }
    std::string key = hScoreKey(model);
    if (key != m_key) {
        m_key = key;
        showPlan();
    }
    const ModelTeam* mine = model.myTeam();
    if (mine == nullptr) {
        auto none = std::make_shared<const HScoresShown>(HScoresShown{key, {}, std::nullopt});
        m_run->settle(std::move(key), [this, none] { m_shown = none; });
        return;
    }
    HScoreRequest request;
    request.team = static_cast<std::size_t>(mine - model.teams.data());
    request.search.objective = leagueObjective(model.headToHeadMode());
    m_run->start(key,
                 [this, copy = model, request, key](std::stop_token stop) -> std::function<void()> {
                     const std::optional<TeamHScores> figures =
                         teamHScores(copy, request, Progress{{}, std::move(stop)});
                     if (!figures) {
                         return {};
                     }
                     auto shown = std::make_shared<const HScoresShown>(
                         hScoresShown(copy, figures->rows, figures->neutral, key));
                     return [this, shown] { m_shown = shown; };
                 });
}

void PuntPlanPanel::showPlan() {
    const HScoresShown* shown = current();
    if (shown == nullptr) {
        lbl_punt_plan->setText(tr("Working out the H-scores..."));
        m_bars->showBars({});
        return;
    }
    if (!shown->plan) {
        lbl_punt_plan->setText(tr("Nothing to plan: your team has no open starting slot."));
        m_bars->showBars({});
        return;
    }
    const PuntPlanShown& plan = *shown->plan;
    lbl_punt_plan->setText(QString::fromStdString(
        fmt::format("{} (H {:.4f}): {}", plan.player, plan.h, givenUpText(plan))));
    m_bars->showBars(plan.bars);
}

}  // namespace quorvane::gui
