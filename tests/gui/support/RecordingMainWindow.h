// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "gui/app/MainWindowView.h"

namespace quorvane::test {

// Stands in for the main window behind a draft window and records what it was asked.
class RecordingMainWindow final : public gui::MainWindowView {
  public:
    void refreshMain() override { ++refreshes; }
    void showUpdateDollars(bool visible) override { updateDollarsVisible = visible; }
    void resetResearchGrid() override { ++researchResets; }

    int refreshes = 0;
    int researchResets = 0;
    std::optional<bool> updateDollarsVisible;
};

}  // namespace quorvane::test
