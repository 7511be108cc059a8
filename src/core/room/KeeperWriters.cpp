// SPDX-License-Identifier: MIT
#include "room/KeeperWriters.h"

#include "model/ModelChanges.h"
#include "room/KeeperRules.h"
#include "room/TurnHistoryWriter.h"
#include "room/TurnTransaction.h"
#include "store/DraftTakenRepository.h"

namespace quorvane {

namespace {

constexpr std::string_view kKeeperWriteLine = " 14003 error: could not access database";
constexpr std::string_view kKeeperRemovalLine = " 12102 error: could not access database";

}  // namespace

Outcome<KeeperAdded> writeKeeper(Connection& connection, DraftModel& model,
                                 const KeeperRequest& request, const Consent& consent) {
    TurnTransaction turn(connection, model);
    if (!turn.open(kKeeperWriteLine)) {
        return turn.failure();
    }
    if (auto refused = turn.refusal(decideKeeper(model, request), consent)) {
        return *refused;
    }
    const DraftSettings& draft = turn.draft();
    const double price = draft.drafttype == kDraftTypeAuction ? request.price : 0.0;
    if (!insertTaken(connection, draft.template_id,
                     {request.playerid, request.teamid, request.slot, 0, price})) {
        return turn.failed(kKeeperWriteLine);
    }
    HistoryEntry keeper;
    keeper.kind = HistoryKind::Keeper;
    keeper.teamid = request.teamid;
    keeper.playerid = request.playerid;
    keeper.dollars = price;
    keeper.pos = request.slot;
    if (!turn.write().record(keeper)) {
        return turn.failed({});
    }
    if (!turn.commit()) {
        return turn.failed(kKeeperWriteLine);
    }
    applyPick(model, request.playerid, request.teamid, request.slot, 0, price);
    return KeeperAdded{request.playerid, request.teamid, request.slot, price, turn.outsideChange()};
}

Outcome<KeeperRemoved> writeKeeperRemoval(Connection& connection, DraftModel& model,
                                          const KeeperRemovalRequest& request,
                                          const Consent& consent) {
    TurnTransaction turn(connection, model);
    if (!turn.open(kKeeperRemovalLine)) {
        return turn.failure();
    }
    if (auto refused = turn.refusal(decideKeeperRemoval(model, request), consent)) {
        return *refused;
    }
    const std::optional<int> removed =
        deleteKeeperTaken(connection, turn.draft().template_id, request.playerid);
    if (!removed) {
        return turn.failed(kKeeperRemovalLine);
    }
    // The keeper's entry is taken back, so the history keeps what was removed.
    if (*removed > 0) {
        const std::optional<HistoryEntry> entry = entryOfPlayer(turn.standing(), request.playerid);
        if (entry && !turn.write().takeBack(*entry)) {
            return turn.failed({});
        }
    }
    // The history may have been rebuilt under the lock even when nobody was removed.
    if (!turn.commit()) {
        return turn.failed(kKeeperRemovalLine);
    }
    if (*removed > 0) {
        applyKeeperRemoved(model, request.playerid);
    }
    return KeeperRemoved{*removed > 0, turn.outsideChange()};
}

}  // namespace quorvane
