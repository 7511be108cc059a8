// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "store/DraftRows.h"
#include "store/TurnHistoryRepository.h"
#include "vocabulary/TurnRules.h"

namespace quorvane {

struct DraftSettings;

// The entries that stand: picks, skips and keepers that no undo took back, in the order they were
// made. In a straight or snake draft the picks and skips among them hold turns 1, 2, 3 … without
// a gap, so the turn on the clock is always one after the last of them.
std::vector<HistoryEntry> standingEntries(const std::vector<HistoryEntry>& history);

// The turn on the clock: one after the last standing pick or skip (an auction's next sale).
int turnAfter(const std::vector<HistoryEntry>& standing);

// The draft position (and the direction of its round) that picks at `turn` by the draft order;
// position 0 past the draft's last turn, in an auction, and when no team holds the position.
TurnPosition positionOfTurn(const DraftSettings& draft, int turn);
// The team that picks at `turn` by the draft order; 0 when none does.
int teamOfTurn(const DraftSettings& draft, int turn);

// The team the turn flags mark (the last marked one when several are) and the draft's direction;
// position 0 when no team is marked.
TurnPosition markedTurn(const DraftSettings& draft);

// Whether the turn flags mark exactly the team that picks at `turn` (none past the last turn), in
// its round's direction in a snake. An auction's flags never move.
bool flagsHold(const DraftSettings& draft, int turn);

// A history made from what the tables hold, for a draft without one or one that disagrees with
// them (another program changed the draft): the keepers in the order they were stored, then the
// picks by their numbers. In a straight or snake draft every number between them that no pick
// holds was a skipped turn, and so are the turns after the last pick up to the first at which the
// marked team picks (in the marked direction in a snake) within the next two rounds; with no team
// marked, or none of those turns its, the turn after the last pick is on the clock.
std::vector<HistoryEntry> rebuildHistory(const DraftSettings& draft,
                                         const std::vector<PickRow>& taken,
                                         const TurnPosition& marked);

// The standing history the tables call for. The stored one stands while its picks and keepers
// are exactly the rows of DraftTaken (player, team, number, price, slot) and its turns have no
// gap; in a straight or snake draft not linked to an online room (whose clock sets the flags),
// it must also agree with the turn flags unless they mark a team whose turn does not come within
// two rounds after the last pick (then the flags are wrong, not the history). Otherwise it is
// rebuilt.
struct DerivedHistory {
    std::vector<HistoryEntry> standing;
    bool rebuilt = false;
};
DerivedHistory deriveHistory(const DraftSettings& draft, const std::vector<HistoryEntry>& history,
                             const std::vector<PickRow>& taken, bool linkedToRoom);

// The entry Undo takes back: the last standing one. Keepers stored before any standing pick or
// skip are the draft's set-up, which Undo does not reach (the keepers window removes them).
std::optional<HistoryEntry> lastUndoable(const std::vector<HistoryEntry>& standing);

}  // namespace quorvane
