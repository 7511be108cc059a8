// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <vector>

#include "hscores/HScoreColumns.h"

namespace quorvane::gui {

// A punt plan as one bar per category: its weight, a mark where its neutral weight stands, and
// the categories given up drawn in the colour of a loss.
class PuntPlanBars final : public QWidget {
    Q_OBJECT
  public:
    explicit PuntPlanBars(QWidget* parent = nullptr);

    void showBars(std::vector<PuntBar> bars);
    const std::vector<PuntBar>& bars() const { return m_bars; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<PuntBar> m_bars;
};

}  // namespace quorvane::gui
