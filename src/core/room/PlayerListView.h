// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

// How a front end shows its available-players list: the position button pressed and the column
// it sorts by. Each front end owns its own; core only reads the one it is handed, so a filter
// chosen in one window or command never reaches another.
struct PlayerListView {
    std::string positionFilter = "All Players";
    int sortColumn = 0;  // 0: the draft's order of value

    bool operator==(const PlayerListView&) const = default;
};

}  // namespace quorvane
