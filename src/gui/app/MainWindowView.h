// SPDX-License-Identifier: MIT
#pragma once

#include "room/PlayerListView.h"

namespace quorvane {
struct RoomView;
}

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
    // Shows the lists a pick, keeper or move rebuilt (the parts the view holds), without
    // recomputing values.
    virtual void showRoomView(const RoomView& view) { (void)view; }
    // The team whose roster the main window shows, 0 when none.
    virtual int rosterTeamId() const { return 0; }
    // How the main window shows its available players; a window that rebuilds the room hands
    // it on so the rebuilt list keeps the user's filter and order.
    virtual PlayerListView playerListView() const { return {}; }
};

}  // namespace quorvane::gui
