// SPDX-License-Identifier: MIT
#include "room/TurnWriters.h"

#include "room/TurnDecisions.h"
#include "room/TurnTransaction.h"
#include "store/DraftTakenRepository.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

constexpr TurnLogLines kSnakePickLines{
    " 50010 error: could not access database", " 50011 error: could not access database",
    " 50012 error: could not access database", " 50014 error: could not access database"};
constexpr TurnLogLines kStraightPickLines{" 50008 error: could not access database",
                                          " 50009 error: could not access database", "", ""};
constexpr std::string_view kPickLockLine = " 50005 error: could not access database";
constexpr std::string_view kPickWriteLine = " 50007 error: could not access database";

bool pastLastTurn(const DraftSettings& draft) {
    const int lastPick = lastPickOfDraft(draft);
    return lastPick > 0 && draft.turnNumber > lastPick;
}

// The team the flags mark (the last when several are): a followed room may have put another
// there than the order names.
int markedTeam(const DraftSettings& draft) {
    int teamid = 0;
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.currentpick == 1) {
            teamid = team.teamid;
        }
    }
    return teamid;
}

}  // namespace

Outcome<PickRecorded> writePick(Connection& connection, DraftModel& model,
                                const PickRequest& request, const Consent& consent) {
    TurnTransaction turn(connection, model);
    if (!turn.open(kPickLockLine)) {
        return turn.failure();
    }
    if (auto refused = turn.refusal(decidePick(model, request), consent)) {
        return *refused;
    }
    const DraftSettings& draft = turn.draft();
    const double price = draft.drafttype == kDraftTypeAuction ? request.price : 0.0;
    const int order = draft.turnNumber;
    if (!insertTaken(connection, draft.template_id,
                     {request.playerid, request.teamid, request.slot, order, price})) {
        return turn.failed(kPickWriteLine);
    }
    HistoryEntry pick;
    pick.turn = order;
    pick.teamid = request.teamid;
    pick.playerid = request.playerid;
    pick.dollars = price;
    pick.pos = request.slot;
    const TurnLogLines& lines =
        draft.drafttype == kDraftTypeSnake ? kSnakePickLines : kStraightPickLines;
    if (!turn.write().record(pick) || !turn.write().putTurnOn(order + 1, lines)) {
        return turn.failed({});
    }
    if (!turn.commit()) {
        return turn.failed(kPickWriteLine);
    }
    applyPick(model, request.playerid, request.teamid, request.slot, order, price);
    return PickRecorded{order, request.playerid,    request.teamid, request.slot,
                        price, turn.outsideChange()};
}

Outcome<TurnChanged> writeSkip(Connection& connection, DraftModel& model,
                               const SkipRequest& request, const Consent& consent) {
    TurnTransaction turn(connection, model);
    if (!turn.open(kHistoryReadFailed)) {
        return turn.failure();
    }
    if (auto refused = turn.refusal(decideSkip(model, request), consent)) {
        return *refused;
    }
    const DraftSettings& draft = turn.draft();
    TurnChanged changed;
    if (draft.drafttype != kDraftTypeAuction && !pastLastTurn(draft)) {
        HistoryEntry skip;
        skip.kind = HistoryKind::Skip;
        skip.turn = draft.turnNumber;
        const int marked = markedTeam(draft);
        skip.teamid = marked > 0 ? marked : teamOfTurn(draft, skip.turn);
        const auto stored = turn.write().record(skip);
        if (!stored || !turn.write().putTurnOn(skip.turn + 1, turnLines(draft))) {
            return turn.failed({});
        }
        skip.entryid = *stored;
        changed.entry = std::move(skip);
    }
    // The history may have been rebuilt under the lock even when nothing is skipped.
    if (!turn.commit()) {
        return turn.failed({});
    }
    changed.outsideChange = turn.outsideChange();
    return changed;
}

Outcome<TurnChanged> writeUndo(Connection& connection, DraftModel& model,
                               const UndoRequest& request, const Consent& consent) {
    TurnTransaction turn(connection, model);
    if (!turn.open(kHistoryReadFailed)) {
        return turn.failure();
    }
    if (auto refused = turn.refusal(decideUndo(model, request), consent)) {
        return *refused;
    }
    TurnChanged changed;
    if (const std::optional<HistoryEntry> last = lastUndoable(turn.standing())) {
        TurnWrite& write = turn.write();
        const bool freesPlayer = last->kind != HistoryKind::Skip;
        // A keeper holds no turn; a pick or skip gives its turn back.
        if ((freesPlayer && !write.deleteTaken(last->playerid)) || !write.takeBack(*last) ||
            (last->kind != HistoryKind::Keeper &&
             !write.putTurnOn(last->turn, turnLines(turn.draft())))) {
            return turn.failed({});
        }
        changed.entry = last;
    }
    if (!turn.commit()) {
        return turn.failed({});
    }
    if (changed.entry && changed.entry->kind != HistoryKind::Skip) {
        applyPick(model, changed.entry->playerid, 0, "", 0, 0.0);
    }
    changed.outsideChange = turn.outsideChange();
    return changed;
}

}  // namespace quorvane
