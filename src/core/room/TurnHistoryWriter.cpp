// SPDX-License-Identifier: MIT
#include "room/TurnHistoryWriter.h"

#include <algorithm>
#include <set>

#include "model/DraftLoader.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/TransactionGuard.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

constexpr std::string_view kReadFailed = " 60008 error: could not read the draft's turn history";
constexpr std::string_view kWriteFailed = " 60009 error: could not write the draft's turn history";

bool writeFailed(ProgramState& state, UserDialogs& dialogs) {
    reportDatabaseError(dialogs, state.dbConnection, kWriteFailed);
    return false;
}

// Entries the rebuilt history keeps stay where they are; the others go and the new ones are
// appended in order, so the table's order stays the order the history runs in.
bool storeDerived(ProgramState& state, UserDialogs& dialogs, const std::vector<HistoryEntry>& old,
                  std::vector<HistoryEntry>& derived) {
    std::set<std::int64_t> kept;
    for (const HistoryEntry& entry : derived) {
        kept.insert(entry.entryid);
    }
    std::vector<std::int64_t> gone;
    for (const HistoryEntry& entry : old) {
        if (kept.count(entry.entryid) == 0) {
            gone.push_back(entry.entryid);
        }
    }
    if (!deleteHistoryEntries(state.dbConnection, gone)) {
        return writeFailed(state, dialogs);
    }
    for (HistoryEntry& entry : derived) {
        if (entry.entryid != 0) {
            continue;
        }
        const auto stored = recordHistoryEntry(state, dialogs, entry);
        if (!stored) {
            return false;
        }
        entry.entryid = *stored;
    }
    return true;
}

}  // namespace

std::optional<std::vector<HistoryEntry>> reconcileTurnHistory(ProgramState& state,
                                                              UserDialogs& dialogs) {
    // Held to the end: setting the turn below replaces the program's loaded draft.
    const std::shared_ptr<const LoadedDraft> held = state.loadedDraft;
    const DraftSettings& draft = *held->draftSettings;
    Connection& db = state.dbConnection;
    const auto history = readStandingHistory(db, draft.template_id);
    const auto taken = readPickRows(db, draft.template_id);
    const auto linked = isLinkedToRoom(db, draft.template_id);
    if (!history || !taken || !linked) {
        reportDatabaseError(dialogs, db, kReadFailed);
        return std::nullopt;
    }
    DerivedHistory derived = deriveHistory(draft, *history, *taken, *linked);
    if (derived.rebuilt) {
        if (!storeDerived(state, dialogs, standingEntries(*history), derived.standing)) {
            return std::nullopt;
        }
        db.log().writeEntry(" turn history of draft " + std::to_string(draft.template_id) +
                            " rebuilt from its picks and turn");
    }
    const int turn = turnAfter(derived.standing);
    state.changeDraftSettings([turn](DraftSettings& settings) { settings.turnNumber = turn; });
    if (!*linked && !putTurnOn(state, dialogs, turn, turnLines(draft))) {
        return std::nullopt;
    }
    return std::move(derived.standing);
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
        state.dbConnection.log().writeEntry(std::string(kReadFailed));
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
    state.changeDraftSettings([turn](DraftSettings& settings) { settings.turnNumber = turn; });
    const std::shared_ptr<const LoadedDraft> held = state.loadedDraft;
    const DraftSettings& draft = *held->draftSettings;
    if (draft.drafttype == kDraftTypeAuction) {
        return true;
    }
    if (flagsHold(draft, turn)) {
        return true;
    }
    const TurnPosition target = positionOfTurn(draft, turn);
    return target.position == 0 ? clearTurn(state, dialogs, lines.clearTurn)
                                : moveTurnTo(state, dialogs, target, lines);
}

std::optional<std::int64_t> recordHistoryEntry(ProgramState& state, UserDialogs& dialogs,
                                               const HistoryEntry& entry) {
    const auto stored =
        appendHistoryEntry(state.dbConnection, state.draftSettings()->template_id, entry);
    if (!stored) {
        writeFailed(state, dialogs);
    }
    return stored;
}

bool takeBackEntry(ProgramState& state, UserDialogs& dialogs, const HistoryEntry& entry) {
    HistoryEntry undo = entry;
    undo.entryid = 0;
    undo.kind = HistoryKind::Undo;
    undo.undoes = entry.entryid;
    return recordHistoryEntry(state, dialogs, undo).has_value();
}

bool rewriteHistoryEntry(ProgramState& state, UserDialogs& dialogs, const HistoryEntry& entry) {
    return updateHistoryEntry(state.dbConnection, entry) || writeFailed(state, dialogs);
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
