// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

// Where the turn goes: the draft position of the team to pick and the snake direction.
struct TurnPosition {
    int position = 0;
    std::string direction;
};

// The next turn after position `current` (0 when no team holds the turn) in a league of
// `teams` teams. In a snake draft the team at either end picks twice in a row and the direction
// turns; any direction but "U" counts as "D".
TurnPosition nextTurn(int drafttype, int teams, const TurnPosition& current);
// The exact inverse of nextTurn.
TurnPosition previousTurn(int drafttype, int teams, const TurnPosition& current);

}  // namespace quorvane
