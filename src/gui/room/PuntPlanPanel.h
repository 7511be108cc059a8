// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

#include <memory>
#include <string>

#include "hscores/HScoreColumns.h"

class QLabel;

namespace quorvane::gui {

class NewestRun;
class PuntPlanBars;

// "Punt plan": in a head-to-head league, the best candidate by H-score for the user's team and
// his weights as bars against the neutral ones, naming the categories the plan gives up. The
// H-scores are worked out on a thread of their own after every change; a newer change cancels
// the run before it.
class PuntPlanPanel final : public QGroupBox {
    Q_OBJECT
  public:
    explicit PuntPlanPanel(QWidget* parent = nullptr);

    // Starts the H-scores of the model's state unless they are worked out or on their way;
    // outside head-to-head leagues the panel hides.
    void start(const DraftModel& model);
    // The H-scores of the state last started; null while they are on their way.
    const HScoresShown* current() const;

  signals:
    void finished();

  private:
    void showPlan();

    NewestRun* m_run;
    std::shared_ptr<const HScoresShown> m_shown;
    std::string m_key;
    QLabel* lbl_punt_plan;
    PuntPlanBars* m_bars;
};

}  // namespace quorvane::gui
