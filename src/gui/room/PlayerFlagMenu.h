// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>

#include <optional>

#include "vocabulary/GridTable.h"

class QAction;

namespace quorvane::gui {

// The pop-up over an available player: "Sleeper", "Bust", "Upside", the player's own flag ticked.
class PlayerFlagMenu final : public QMenu {
    Q_OBJECT
  public:
    explicit PlayerFlagMenu(QWidget* parent = nullptr);

    // Ticks the item of `flag` (1 sleeper, 2 bust, 3 upside) and no other.
    void tickFlag(int flag);

    // The colour a row takes when the pop-up sets its flag. A bust reads a lighter red here than
    // after a list fill; both stand until the list is filled again.
    static Rgb rowColour(int flag);

  signals:
    // The flag value of the chosen item (1, 2 or 3).
    void flagChosen(int flag);

  private:
    QAction* m_items[3];
};

}  // namespace quorvane::gui
