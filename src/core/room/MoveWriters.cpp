// SPDX-License-Identifier: MIT
#include "room/MoveWriters.h"

#include "model/ModelChanges.h"
#include "room/MoveRules.h"
#include "room/TurnHistoryWriter.h"
#include "room/TurnTransaction.h"
#include "store/DraftTakenRepository.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

constexpr std::string_view kMoveWriteLine = " 50007 error: could not access database";
constexpr std::string_view kDropWriteLine = " 50052 error: could not access database ";

// The entry a dropped pick leaves: the skip of its turn, or nothing of a keeper or a sale.
std::optional<HistoryEntry> skipLeftBy(const DraftSettings& draft, const HistoryEntry& entry) {
    if (entry.kind == HistoryKind::Keeper || draft.drafttype == kDraftTypeAuction) {
        return std::nullopt;
    }
    HistoryEntry skip = entry;
    skip.kind = HistoryKind::Skip;
    skip.teamid = teamOfTurn(draft, entry.turn);
    skip.playerid = 0;
    skip.dollars = 0.0;
    skip.pos.clear();
    return skip;
}

}  // namespace

Outcome<PlayerMoved> writeMove(Connection& connection, DraftModel& model,
                               const MoveRequest& request, const Consent& consent) {
    TurnTransaction turn(connection, model);
    if (!turn.open(kMoveWriteLine)) {
        return turn.failure();
    }
    if (auto refused = turn.refusal(decideMove(model, request), consent)) {
        return *refused;
    }
    const DraftSettings& draft = turn.draft();
    const bool auction = draft.drafttype == kDraftTypeAuction;
    // Outside auctions the price stays what it was.
    const std::optional<double> price =
        auction ? std::optional<double>(request.price) : std::nullopt;
    const bool drafted = model.drafted(request.playerid);
    if (!moveTaken(connection, draft.template_id, request.playerid, request.teamid, request.slot,
                   price)) {
        return turn.failed(kMoveWriteLine);
    }
    // The pick keeps its turn (a keeper stays a keeper); its entry names the new team.
    if (std::optional<HistoryEntry> entry = entryOfPlayer(turn.standing(), request.playerid)) {
        entry->teamid = request.teamid;
        entry->pos = request.slot;
        if (auction) {
            entry->dollars = request.price;
        }
        if (!turn.write().rewrite(*entry)) {
            return turn.failed({});
        }
    }
    if (!turn.commit()) {
        return turn.failed(kMoveWriteLine);
    }
    applyMove(model, request.playerid, request.teamid, request.slot, price);
    return PlayerMoved{drafted, turn.outsideChange()};
}

Outcome<PlayerDropped> writeDrop(Connection& connection, DraftModel& model,
                                 const DropRequest& request, const Consent& consent) {
    TurnTransaction turn(connection, model);
    if (!turn.open(kDropWriteLine)) {
        return turn.failure();
    }
    if (auto refused = turn.refusal(decideDrop(model, request), consent)) {
        return *refused;
    }
    const DraftSettings& draft = turn.draft();
    const std::optional<int> removed =
        deleteTeamPlayerTaken(connection, draft.template_id, request.teamid, request.playerid);
    if (!removed) {
        return turn.failed(kDropWriteLine);
    }
    PlayerDropped dropped;
    dropped.dropped = *removed > 0;
    if (dropped.dropped) {
        dropped.entry = entryOfPlayer(turn.standing(), request.playerid);
    }
    if (dropped.entry) {
        const std::optional<HistoryEntry> skip = skipLeftBy(draft, *dropped.entry);
        if (!(skip ? turn.write().rewrite(*skip) : turn.write().takeBack(*dropped.entry))) {
            return turn.failed({});
        }
    }
    if (!turn.commit()) {
        return turn.failed(kDropWriteLine);
    }
    applyDrop(model, request.playerid, request.teamid);
    dropped.outsideChange = turn.outsideChange();
    return dropped;
}

}  // namespace quorvane
