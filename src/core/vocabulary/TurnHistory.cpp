// SPDX-License-Identifier: MIT
#include "vocabulary/TurnHistory.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "vocabulary/DraftSettings.h"

namespace quorvane {

namespace {

bool holdsTurn(const HistoryEntry& entry) {
    return entry.kind == HistoryKind::Pick || entry.kind == HistoryKind::Skip;
}

bool runsUp(const TurnPosition& turn) {
    return turn.direction == "U";
}

// Both name the same team and, in a snake, the same direction (none at all counts as equal).
bool sameTurn(const DraftSettings& draft, const TurnPosition& a, const TurnPosition& b) {
    return a.position == b.position &&
           (a.position == 0 || draft.drafttype != kDraftTypeSnake || runsUp(a) == runsUp(b));
}

// The first turn from `from` on at which the marked team picks, looking two rounds ahead (a
// snake gives every team a turn in each direction within two rounds); 0 when none is.
int turnOfMarkedTeam(const DraftSettings& draft, int from, const TurnPosition& marked) {
    if (marked.position == 0) {
        return 0;
    }
    const int end = std::min(from + 2 * std::max(draft.teams, 1) - 1, lastPickOfDraft(draft));
    for (int turn = from; turn <= end; ++turn) {
        if (sameTurn(draft, positionOfTurn(draft, turn), marked)) {
            return turn;
        }
    }
    return 0;
}

HistoryEntry skipOf(const DraftSettings& draft, int turn) {
    HistoryEntry skip;
    skip.kind = HistoryKind::Skip;
    skip.turn = turn;
    skip.teamid = teamOfTurn(draft, turn);
    return skip;
}

int lastPickTurn(const std::vector<HistoryEntry>& standing) {
    int last = 0;
    for (const HistoryEntry& entry : standing) {
        if (entry.kind == HistoryKind::Pick) {
            last = std::max(last, entry.turn);
        }
    }
    return last;
}

using Held = std::tuple<bool, int, int, int, double, std::string>;

// Picks and keepers as DraftTaken would hold them: keeper or not, player, number, team, price,
// slot.
std::vector<Held> heldBy(const std::vector<HistoryEntry>& standing) {
    std::vector<Held> held;
    for (const HistoryEntry& entry : standing) {
        if (entry.kind == HistoryKind::Pick || entry.kind == HistoryKind::Keeper) {
            const bool keeper = entry.kind == HistoryKind::Keeper;
            held.emplace_back(keeper, entry.playerid, keeper ? 0 : entry.turn, entry.teamid,
                              entry.dollars, entry.pos);
        }
    }
    std::sort(held.begin(), held.end());
    return held;
}

std::vector<Held> heldBy(const std::vector<PickRow>& taken) {
    std::vector<Held> held;
    for (const PickRow& row : taken) {
        const bool keeper = row.draftorder <= 0;
        held.emplace_back(keeper, row.playerid, keeper ? 0 : static_cast<int>(row.draftorder),
                          row.teamid, row.dollars, row.pos.value_or(std::string()));
    }
    std::sort(held.begin(), held.end());
    return held;
}

// Turns 1 … n-1 are each held by picks or by one skip, never by both; an auction has no skips.
bool turnsWithoutGaps(const DraftSettings& draft, const std::vector<HistoryEntry>& standing) {
    std::map<int, std::pair<int, int>> byTurn;  // picks, skips
    for (const HistoryEntry& entry : standing) {
        if (entry.kind == HistoryKind::Skip && draft.drafttype == kDraftTypeAuction) {
            return false;
        }
        if (holdsTurn(entry)) {
            auto& [picks, skips] = byTurn[entry.turn];
            ++(entry.kind == HistoryKind::Pick ? picks : skips);
        }
    }
    if (draft.drafttype == kDraftTypeAuction) {
        return byTurn.empty() || byTurn.begin()->first >= 1;
    }
    for (const auto& [turn, counts] : byTurn) {
        if (turn < 1 || (counts.second > 0 && (counts.first > 0 || counts.second > 1))) {
            return false;
        }
    }
    return byTurn.empty() || static_cast<int>(byTurn.size()) == byTurn.rbegin()->first;
}

// The history with its skips after the last pick replaced by those that lead to `turn`.
std::vector<HistoryEntry> withTrailingSkipsTo(const DraftSettings& draft,
                                              std::vector<HistoryEntry> standing, int turn) {
    const int lastPick = lastPickTurn(standing);
    standing.erase(std::remove_if(standing.begin(), standing.end(),
                                  [lastPick](const HistoryEntry& entry) {
                                      return entry.kind == HistoryKind::Skip &&
                                             entry.turn > lastPick;
                                  }),
                   standing.end());
    for (int skipped = lastPick + 1; skipped < turn; ++skipped) {
        standing.push_back(skipOf(draft, skipped));
    }
    return standing;
}

}  // namespace

std::vector<HistoryEntry> standingEntries(const std::vector<HistoryEntry>& history) {
    std::set<std::int64_t> takenBack;
    for (const HistoryEntry& entry : history) {
        if (entry.kind == HistoryKind::Undo) {
            takenBack.insert(entry.undoes);
        }
    }
    std::vector<HistoryEntry> standing;
    standing.reserve(history.size());
    for (const HistoryEntry& entry : history) {
        if (entry.kind != HistoryKind::Undo &&
            (entry.entryid == 0 || takenBack.count(entry.entryid) == 0)) {
            standing.push_back(entry);
        }
    }
    return standing;
}

int turnAfter(const std::vector<HistoryEntry>& standing) {
    int last = 0;
    for (const HistoryEntry& entry : standing) {
        if (holdsTurn(entry)) {
            last = std::max(last, entry.turn);
        }
    }
    return last + 1;
}

TurnPosition positionOfTurn(const DraftSettings& draft, int turn) {
    if (draft.drafttype == kDraftTypeAuction || turn < 1 || turn > lastPickOfDraft(draft)) {
        return {0, draft.draftdirection};
    }
    const TurnSlot slot = turnSlot(draft.drafttype, draft.teams, turn);
    const bool held =
        std::any_of(draft.draftTeams.begin(), draft.draftTeams.end(),
                    [&slot](const DraftTeam& team) { return team.draftposition == slot.position; });
    // A straight draft's direction never changes.
    return {held ? slot.position : 0,
            draft.drafttype == kDraftTypeSnake ? slot.direction : draft.draftdirection};
}

int teamOfTurn(const DraftSettings& draft, int turn) {
    const int position = positionOfTurn(draft, turn).position;
    int teamid = 0;
    for (const DraftTeam& team : draft.draftTeams) {
        if (position > 0 && team.draftposition == position) {
            teamid = team.teamid;
        }
    }
    return teamid;
}

TurnPosition markedTurn(const DraftSettings& draft) {
    TurnPosition turn;
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.currentpick == 1) {
            turn = {team.draftposition, draft.draftdirection};
        }
    }
    return turn;
}

bool flagsHold(const DraftSettings& draft, int turn) {
    if (draft.drafttype == kDraftTypeAuction) {
        return true;
    }
    const TurnPosition target = positionOfTurn(draft, turn);
    const TurnPosition marked = markedTurn(draft);
    if (target.position == 0) {
        return marked.position == 0;
    }
    const auto teams = std::count_if(draft.draftTeams.begin(), draft.draftTeams.end(),
                                     [](const DraftTeam& team) { return team.currentpick == 1; });
    return teams == 1 && marked.position == target.position && marked.direction == target.direction;
}

std::vector<HistoryEntry> rebuildHistory(const DraftSettings& draft,
                                         const std::vector<PickRow>& taken,
                                         const TurnPosition& marked) {
    std::vector<HistoryEntry> history;
    std::vector<const PickRow*> picks;
    for (const PickRow& row : taken) {
        if (row.draftorder > 0) {
            picks.push_back(&row);
            continue;
        }
        HistoryEntry keeper;
        keeper.kind = HistoryKind::Keeper;
        keeper.teamid = row.teamid;
        keeper.playerid = row.playerid;
        keeper.dollars = row.dollars;
        keeper.pos = row.pos.value_or(std::string());
        history.push_back(std::move(keeper));
    }
    std::stable_sort(picks.begin(), picks.end(), [](const PickRow* a, const PickRow* b) {
        return a->draftorder < b->draftorder;
    });
    const bool turns = draft.drafttype != kDraftTypeAuction;
    int next = 1;
    for (const PickRow* row : picks) {
        const int number = static_cast<int>(row->draftorder);
        for (; turns && next < number; ++next) {
            history.push_back(skipOf(draft, next));
        }
        HistoryEntry pick;
        pick.kind = HistoryKind::Pick;
        pick.turn = number;
        pick.teamid = row->teamid;
        pick.playerid = row->playerid;
        pick.dollars = row->dollars;
        pick.pos = row->pos.value_or(std::string());
        history.push_back(std::move(pick));
        next = std::max(next, number + 1);
    }
    if (turns) {
        history =
            withTrailingSkipsTo(draft, std::move(history), turnOfMarkedTeam(draft, next, marked));
    }
    return history;
}

DerivedHistory deriveHistory(const DraftSettings& draft, const std::vector<HistoryEntry>& history,
                             const std::vector<PickRow>& taken, bool linkedToRoom) {
    std::vector<HistoryEntry> standing = standingEntries(history);
    const TurnPosition marked = linkedToRoom ? TurnPosition{} : markedTurn(draft);
    if (heldBy(standing) != heldBy(taken) || !turnsWithoutGaps(draft, standing)) {
        return {rebuildHistory(draft, taken, marked), true};
    }
    if (draft.drafttype == kDraftTypeAuction || marked.position == 0 ||
        sameTurn(draft, positionOfTurn(draft, turnAfter(standing)), marked)) {
        return {std::move(standing), false};
    }
    // Another program moved the turn without a pick: its skips (or their undo) after the last
    // pick are the ones to keep.
    const int flagged = turnOfMarkedTeam(draft, lastPickTurn(standing) + 1, marked);
    if (flagged == 0) {
        return {std::move(standing), false};
    }
    return {withTrailingSkipsTo(draft, std::move(standing), flagged), true};
}

std::optional<HistoryEntry> lastUndoable(const std::vector<HistoryEntry>& standing) {
    if (standing.empty()) {
        return std::nullopt;
    }
    const HistoryEntry& last = standing.back();
    if (last.kind == HistoryKind::Keeper &&
        std::none_of(standing.begin(), standing.end(), holdsTurn)) {
        return std::nullopt;
    }
    return last;
}

}  // namespace quorvane
