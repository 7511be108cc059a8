// SPDX-License-Identifier: MIT
#pragma once

#include "gui/widgets/ChartPanel.h"

namespace quorvane::gui {

// Total standings points by team, the user's team highlighted; drawn from the last standings
// run, so it follows the grid beside it.
class StandingsChart final : public ChartPanel {
    Q_OBJECT
  public:
    StandingsChart(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

  protected:
    std::optional<ChartData> figures() override;
};

// The user's team against the league in every category, from the last standings run.
class TargetsChart final : public ChartPanel {
    Q_OBJECT
  public:
    TargetsChart(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

  protected:
    std::optional<ChartData> figures() override;
};

// In an auction: money spent and money left by team. Hidden in other drafts.
class MoneyChart final : public ChartPanel {
    Q_OBJECT
  public:
    MoneyChart(ProgramState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

  protected:
    std::optional<ChartData> figures() override;
};

}  // namespace quorvane::gui
