// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "gui/app/MainWindowView.h"
#include "room/RefreshMain.h"

namespace quorvane::test {

// Stands in for the draft room behind the room dialogs and records what they asked of it.
class RecordingRoomView final : public gui::MainWindowView {
  public:
    void refreshMain() override { ++refreshes; }
    void showUpdateDollars(bool) override {}
    void resetResearchGrid() override {}
    void showRoomView(const RoomView& view) override { shown.push_back(view); }
    int rosterTeamId() const override { return rosterTeam; }

    int refreshes = 0;
    std::vector<RoomView> shown;
    int rosterTeam = 0;
};

}  // namespace quorvane::test
