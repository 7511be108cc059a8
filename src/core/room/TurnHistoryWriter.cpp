// SPDX-License-Identifier: MIT
#include "room/TurnHistoryWriter.h"

#include <algorithm>
#include <set>

#include "model/DraftLoader.h"
#include "room/TurnWrites.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/TransactionGuard.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

// The statements run on a copy of the loaded draft's settings, which then replaces them, also
// after a failure: the caller reads the draft again after its rollback. A failure is shown and
// logged here.
template <class Step>
auto withTurnWrite(ProgramState& state, UserDialogs& dialogs, Step&& step) {
    DraftSettings draft = *state.draftSettings();
    TurnWrite write(state.dbConnection, draft);
    auto result = std::forward<Step>(step)(write);
    state.replaceDraftSettings(std::move(draft));
    if (!result && !write.failedLine().empty()) {
        reportDatabaseError(dialogs, state.dbConnection, write.failedLine());
    }
    return result;
}

}  // namespace

std::optional<std::vector<HistoryEntry>> reconcileTurnHistory(ProgramState& state,
                                                              UserDialogs& dialogs) {
    auto turns = withTurnWrite(state, dialogs, [](TurnWrite& write) { return write.reconcile(); });
    if (!turns) {
        return std::nullopt;
    }
    return std::move(turns->standing);
}

bool settleTurnHistory(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings()) {
        return false;
    }
    const int templateId = state.draftSettings()->template_id;
    const auto history = readStandingHistory(state.dbConnection, templateId);
    const auto taken = readPickRows(state.dbConnection, templateId);
    const auto linked = isLinkedToRoom(state.dbConnection, templateId);
    if (!history || !taken || !linked) {
        state.dbConnection.log().writeEntry(std::string(kHistoryReadFailed));
        return false;
    }
    const DerivedHistory derived = deriveHistory(*state.draftSettings(), *history, *taken, *linked);
    if (!derived.rebuilt &&
        (*linked || flagsHold(*state.draftSettings(), turnAfter(derived.standing)))) {
        return true;
    }
    TransactionGuard transaction(state.dbConnection);
    if (transaction.begun()) {
        loadDraft(state, templateId);
    }
    if (!reconcileTurnHistory(state, dialogs) || !transaction.commit()) {
        transaction.rollback();
        loadDraft(state, templateId);
        return false;
    }
    return true;
}

bool putTurnOn(ProgramState& state, UserDialogs& dialogs, int turn, const TurnLogLines& lines) {
    return withTurnWrite(state, dialogs,
                         [&](TurnWrite& write) { return write.putTurnOn(turn, lines); });
}

std::optional<std::int64_t> recordHistoryEntry(ProgramState& state, UserDialogs& dialogs,
                                               const HistoryEntry& entry) {
    return withTurnWrite(state, dialogs, [&](TurnWrite& write) { return write.record(entry); });
}

bool takeBackEntry(ProgramState& state, UserDialogs& dialogs, const HistoryEntry& entry) {
    return withTurnWrite(state, dialogs, [&](TurnWrite& write) { return write.takeBack(entry); });
}

bool rewriteHistoryEntry(ProgramState& state, UserDialogs& dialogs, const HistoryEntry& entry) {
    return withTurnWrite(state, dialogs, [&](TurnWrite& write) { return write.rewrite(entry); });
}

bool moveTurnTo(ProgramState& state, UserDialogs& dialogs, const TurnPosition& target,
                const TurnLogLines& lines) {
    return withTurnWrite(state, dialogs,
                         [&](TurnWrite& write) { return write.moveTurnTo(target, lines); });
}

bool clearTurn(ProgramState& state, UserDialogs& dialogs, std::string_view logLine) {
    return withTurnWrite(state, dialogs,
                         [&](TurnWrite& write) { return write.clearTurn(logLine); });
}

bool deleteTakenPlayer(ProgramState& state, UserDialogs& dialogs, int playerid) {
    return withTurnWrite(state, dialogs,
                         [&](TurnWrite& write) { return write.deleteTaken(playerid); });
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

bool alignTurnWith(ProgramState& state, UserDialogs& dialogs, int turn, const TurnLogLines& lines) {
    const auto standing = reconcileTurnHistory(state, dialogs);
    if (!standing) {
        return false;
    }
    // Held to the end: the turn this moves replaces the program's loaded draft.
    const std::shared_ptr<const LoadedDraft> held = state.loadedDraft;
    const DraftSettings& draft = *held->draftSettings;
    if (draft.drafttype == kDraftTypeAuction) {
        return true;
    }
    const int target = std::min(turn, lastPickOfDraft(draft) + 1);
    int next = turnAfter(*standing);
    for (auto entry = standing->rbegin(); entry != standing->rend() && next > target; ++entry) {
        if (entry->kind == HistoryKind::Pick) {
            break;
        }
        if (entry->kind == HistoryKind::Skip) {
            if (!takeBackEntry(state, dialogs, *entry)) {
                return false;
            }
            next = entry->turn;
        }
    }
    for (; next < target; ++next) {
        HistoryEntry skip;
        skip.kind = HistoryKind::Skip;
        skip.turn = next;
        skip.teamid = teamOfTurn(draft, next);
        if (!recordHistoryEntry(state, dialogs, skip)) {
            return false;
        }
    }
    return putTurnOn(state, dialogs, next, lines);
}

TakeBackOutcome takeBackPick(ProgramState& state, UserDialogs& dialogs, int playerid) {
    const auto standing = reconcileTurnHistory(state, dialogs);
    if (!standing) {
        return TakeBackOutcome::Failed;
    }
    auto pick = std::find_if(standing->rbegin(), standing->rend(), [](const HistoryEntry& entry) {
        return entry.kind == HistoryKind::Pick;
    });
    if (pick == standing->rend() || pick->playerid != playerid) {
        return TakeBackOutcome::NotLast;
    }
    for (auto entry = standing->rbegin(); entry != pick; ++entry) {
        if (entry->kind == HistoryKind::Skip && !takeBackEntry(state, dialogs, *entry)) {
            return TakeBackOutcome::Failed;
        }
    }
    if (!deleteTakenPlayer(state, dialogs, playerid) || !takeBackEntry(state, dialogs, *pick) ||
        !putTurnOn(state, dialogs, pick->turn, turnLines(*state.draftSettings()))) {
        return TakeBackOutcome::Failed;
    }
    return TakeBackOutcome::TakenBack;
}

}  // namespace quorvane
