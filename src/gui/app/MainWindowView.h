// SPDX-License-Identifier: MIT
#pragma once

namespace quorvane::gui {

// What the draft windows ask of the main window. Kept small so that a window can be tested
// without the whole draft room.
class MainWindowView {
  public:
    virtual ~MainWindowView() = default;

    // Rebuilds the draft room from the database for the open draft.
    virtual void refreshMain() = 0;
    // Shows or hides the "Update $" button (the setup editor's draft-style buttons do this).
    virtual void showUpdateDollars(bool visible) = 0;
    // A newly opened draft starts its research grid from the top, without a selection.
    virtual void resetResearchGrid() = 0;
};

}  // namespace quorvane::gui
