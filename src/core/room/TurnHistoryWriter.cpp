// SPDX-License-Identifier: MIT
#include "room/TurnHistoryWriter.h"

#include <algorithm>
#include <set>
#include <type_traits>
#include <utility>

#include "model/DraftLoader.h"
#include "model/DraftSession.h"
#include "room/TurnWrites.h"
#include "room/WriteFailures.h"
#include "store/TransactionGuard.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

// The statements run on a copy of the loaded draft's settings, which then replaces them, also
// after a failure: the caller reads the draft again after its rollback. A failure is logged
// here and comes back with the message to show (none when the failing step logged its own).
template <class Step>
auto withTurnWrite(DraftSession& session, Step&& step)
    -> Outcome<std::decay_t<decltype(*std::forward<Step>(step)(std::declval<TurnWrite&>()))>> {
    DraftSettings draft = *session.draftSettings();
    TurnWrite write(session.dbConnection, draft);
    auto result = std::forward<Step>(step)(write);
    session.replaceDraftSettings(std::move(draft));
    if (!result) {
        return write.failedLine().empty()
                   ? WriteFailure{}
                   : databaseFailure(session.dbConnection, write.failedLine());
    }
    return std::move(*result);
}

// A step that stores nothing worth returning, as withTurnWrite wants it.
std::optional<Done> doneIf(bool written) {
    return written ? std::optional<Done>(Done{}) : std::nullopt;
}

}  // namespace

Outcome<std::vector<HistoryEntry>> reconcileTurnHistory(DraftSession& session) {
    auto turns = withTurnWrite(session, [](TurnWrite& write) { return write.reconcile(); });
    if (!turns) {
        return turns.failure();
    }
    return std::move(turns.value().standing);
}

Outcome<Done> settleTurnHistory(DraftSession& session) {
    if (!session.draftSettings()) {
        return WriteFailure{};
    }
    const int templateId = session.draftSettings()->template_id;
    const auto history = readStandingHistory(session.dbConnection, templateId);
    const auto taken = readPickRows(session.dbConnection, templateId);
    const auto linked = isLinkedToRoom(session.dbConnection, templateId);
    if (!history || !taken || !linked) {
        session.dbConnection.log().writeEntry(std::string(kHistoryReadFailed));
        return WriteFailure{};
    }
    const DerivedHistory derived =
        deriveHistory(*session.draftSettings(), *history, *taken, *linked);
    if (!derived.rebuilt &&
        (*linked || flagsHold(*session.draftSettings(), turnAfter(derived.standing)))) {
        return Done{};
    }
    TransactionGuard transaction(session.dbConnection);
    if (transaction.begun()) {
        loadDraft(session, templateId);
    }
    Outcome<std::vector<HistoryEntry>> reconciled = reconcileTurnHistory(session);
    if (!reconciled || !transaction.commit()) {
        transaction.rollback();
        loadDraft(session, templateId);
        return reconciled ? WriteFailure{} : reconciled.failure();
    }
    return Done{};
}

Outcome<Done> putTurnOn(DraftSession& session, int turn, const TurnLogLines& lines) {
    return withTurnWrite(session,
                         [&](TurnWrite& write) { return doneIf(write.putTurnOn(turn, lines)); });
}

Outcome<std::int64_t> recordHistoryEntry(DraftSession& session, const HistoryEntry& entry) {
    return withTurnWrite(session, [&](TurnWrite& write) { return write.record(entry); });
}

Outcome<Done> takeBackEntry(DraftSession& session, const HistoryEntry& entry) {
    return withTurnWrite(session, [&](TurnWrite& write) { return doneIf(write.takeBack(entry)); });
}

Outcome<Done> rewriteHistoryEntry(DraftSession& session, const HistoryEntry& entry) {
    return withTurnWrite(session, [&](TurnWrite& write) { return doneIf(write.rewrite(entry)); });
}

Outcome<Done> moveTurnTo(DraftSession& session, const TurnPosition& target,
                         const TurnLogLines& lines) {
    return withTurnWrite(session,
                         [&](TurnWrite& write) { return doneIf(write.moveTurnTo(target, lines)); });
}

Outcome<Done> clearTurn(DraftSession& session, std::string_view logLine) {
    return withTurnWrite(session,
                         [&](TurnWrite& write) { return doneIf(write.clearTurn(logLine)); });
}

Outcome<Done> deleteTakenPlayer(DraftSession& session, int playerid) {
    return withTurnWrite(session,
                         [&](TurnWrite& write) { return doneIf(write.deleteTaken(playerid)); });
}

std::optional<HistoryEntry> entryOfPlayer(const std::vector<HistoryEntry>& standing, int playerid) {
    for (const HistoryEntry& entry : standing) {
        if ((entry.kind == HistoryKind::Pick || entry.kind == HistoryKind::Keeper) &&
            entry.playerid == playerid) {
            return entry;
        }
    }
    return std::nullopt;
}

Outcome<Done> alignTurnWith(DraftSession& session, int turn, const TurnLogLines& lines) {
    const auto standing = reconcileTurnHistory(session);
    if (!standing) {
        return standing.failure();
    }
    // Held to the end: the turn this moves replaces the program's loaded draft.
    const std::shared_ptr<const LoadedDraft> held = session.loadedDraft;
    const DraftSettings& draft = *held->draftSettings;
    if (draft.drafttype == kDraftTypeAuction) {
        return Done{};
    }
    const int target = std::min(turn, lastPickOfDraft(draft) + 1);
    int next = turnAfter(*standing);
    for (auto entry = standing->rbegin(); entry != standing->rend() && next > target; ++entry) {
        if (entry->kind == HistoryKind::Pick) {
            break;
        }
        if (entry->kind == HistoryKind::Skip) {
            if (Outcome<Done> undone = takeBackEntry(session, *entry); !undone) {
                return undone;
            }
            next = entry->turn;
        }
    }
    for (; next < target; ++next) {
        HistoryEntry skip;
        skip.kind = HistoryKind::Skip;
        skip.turn = next;
        skip.teamid = teamOfTurn(draft, next);
        if (const Outcome<std::int64_t> stored = recordHistoryEntry(session, skip); !stored) {
            return stored.failure();
        }
    }
    return putTurnOn(session, next, lines);
}

Outcome<TakeBackOutcome> takeBackPick(DraftSession& session, int playerid) {
    const auto standing = reconcileTurnHistory(session);
    if (!standing) {
        return standing.failure();
    }
    auto pick = std::find_if(standing->rbegin(), standing->rend(), [](const HistoryEntry& entry) {
        return entry.kind == HistoryKind::Pick;
    });
    if (pick == standing->rend() || pick->playerid != playerid) {
        return TakeBackOutcome::NotLast;
    }
    for (auto entry = standing->rbegin(); entry != pick; ++entry) {
        if (entry->kind != HistoryKind::Skip) {
            continue;
        }
        if (Outcome<Done> undone = takeBackEntry(session, *entry); !undone) {
            return undone.failure();
        }
    }
    Outcome<Done> step = deleteTakenPlayer(session, playerid);
    if (step) {
        step = takeBackEntry(session, *pick);
    }
    if (step) {
        step = putTurnOn(session, pick->turn, turnLines(*session.draftSettings()));
    }
    if (!step) {
        return step.failure();
    }
    return TakeBackOutcome::TakenBack;
}

}  // namespace quorvane
