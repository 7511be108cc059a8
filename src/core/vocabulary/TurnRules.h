// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace quorvane {

struct DraftSettings;

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

// Turn `turn` (from 1, skips counted) of a straight or snake draft of `teams` teams.
struct TurnSlot {
    int round = 0;
    int pick = 0;           // within its round
    int position = 0;       // the draft position that picks
    std::string direction;  // "U" when its round runs up from position 1 (a snake's odd rounds)
};
TurnSlot turnSlot(int drafttype, int teams, int turn);

// The pick number that ends a straight or snake draft: the last pick of its last round
// (teams x rounds). 0 for an auction, which has no rounds to end.
int lastPickOfDraft(const DraftSettings& draft);

}  // namespace quorvane
