// SPDX-License-Identifier: MIT
#include "room/Turns.h"

#include "model/DraftLoader.h"
#include "model/DraftModelLoader.h"
#include "room/TurnHistoryWriter.h"
#include "session/ProgramState.h"
#include "session/UserDialogs.h"
#include "store/DraftTakenRepository.h"
#include "store/DraftTeamRepository.h"
#include "store/TransactionGuard.h"
#include "vocabulary/TurnHistory.h"

namespace quorvane {

namespace {

constexpr TurnLogLines kSnakeLines{
    " 60006 error: could not access database", " 60003 error: could not access database",
    " 60004 error: could not access database", " 60004 error: could not access database"};
constexpr TurnLogLines kStraightLines{
    " 60007 error: could not access database", " 60005 error: could not access database",
    " 60004 error: could not access database", " 60004 error: could not access database"};

// After a rolled-back operation the in-memory turn must match the tables again.
void reloadDraft(ProgramState& state) {
    if (state.draftSettings()) {
        loadDraft(state, state.draftSettings()->template_id);
    }
}

// What a turn operation does once the history is read; false after a reported failure.
using TurnStepWork = bool (*)(ProgramState&, UserDialogs&, const std::vector<HistoryEntry>&,
                              std::optional<HistoryEntry>&);

// One turn operation: another program may have changed the draft since it was loaded, so once
// the writer's lock is held the draft and its history are read again and the step applies to
// what they hold now.
std::optional<TurnStep> runTurnStep(ProgramState& state, UserDialogs& dialogs,
                                    const PlayerListView& list, TurnStepWork work) {
    if (!state.draftSettings()) {
        return std::nullopt;
    }
    TransactionGuard transaction(state.dbConnection);
    if (transaction.begun()) {
        reloadDraft(state);
    }
    const bool modelCurrent = heldModelIsCurrent(state);
    std::optional<HistoryEntry> entry;
    const auto standing = reconcileTurnHistory(state, dialogs);
    if (!standing || !work(state, dialogs, *standing, entry) || !transaction.commit()) {
        transaction.rollback();
        reloadDraft(state);
        return std::nullopt;
    }
    // A skip leaves the players where they are; an undone pick or keeper frees its player.
    keepOwnChange(state, modelCurrent, [&entry](DraftModel& model) {
        if (entry && entry->kind != HistoryKind::Skip) {
            applyPick(model, entry->playerid, 0, "", 0, 0.0);
        }
    });
    return TurnStep{refreshMain(state, dialogs, list), std::move(entry)};
}

bool skipTheTurnOnTheClock(ProgramState& state, UserDialogs& dialogs,
                           const std::vector<HistoryEntry>&, std::optional<HistoryEntry>& made) {
    const DraftSettings& draft = *state.draftSettings();
    if (draft.drafttype == kDraftTypeAuction || isDraftComplete(*state.loadedDraft)) {
        return true;
    }
    HistoryEntry skip;
    skip.kind = HistoryKind::Skip;
    skip.turn = draft.turnNumber;
    // The team the flags mark: a followed room may have put another there than the order names.
    const int marked = teamOnTheClock(*state.loadedDraft);
    skip.teamid = marked > 0 ? marked : teamOfTurn(draft, skip.turn);
    const auto stored = recordHistoryEntry(state, dialogs, skip);
    if (!stored || !putTurnOn(state, dialogs, skip.turn + 1, turnLines(draft))) {
        return false;
    }
    skip.entryid = *stored;
    made = std::move(skip);
    return true;
}

bool takeBackTheLastEntry(ProgramState& state, UserDialogs& dialogs,
                          const std::vector<HistoryEntry>& standing,
                          std::optional<HistoryEntry>& undone) {
    const std::optional<HistoryEntry> last = lastUndoable(standing);
    if (!last) {
        return true;
    }
    if (last->kind != HistoryKind::Skip && !deleteTakenPlayer(state, dialogs, last->playerid)) {
        return false;
    }
    if (!takeBackEntry(state, dialogs, *last)) {
        return false;
    }
    // A keeper holds no turn; a pick or skip gives its turn back.
    if (last->kind != HistoryKind::Keeper &&
        !putTurnOn(state, dialogs, last->turn, turnLines(*state.draftSettings()))) {
        return false;
    }
    undone = last;
    return true;
}

std::optional<RoomView> viewOf(std::optional<TurnStep> step) {
    return step ? std::optional<RoomView>(std::move(step->view)) : std::nullopt;
}

}  // namespace

TurnPosition currentTurn(const LoadedDraft& loaded) {
    return loaded.draftSettings ? markedTurn(*loaded.draftSettings) : TurnPosition{};
}

const TurnLogLines& turnLines(const DraftSettings& draft) {
    return draft.drafttype == kDraftTypeSnake ? kSnakeLines : kStraightLines;
}

bool moveTurnTo(ProgramState& state, UserDialogs& dialogs, const TurnPosition& target,
                const TurnLogLines& lines) {
    const TurnPosition current = currentTurn(*state.loadedDraft);
    DraftSettings draft = *state.draftSettings();
    // The flags as far as they were moved, also when a statement failed: the caller reads the
    // draft again after its rollback.
    const auto moved = [&state, &draft](bool succeeded) {
        state.replaceDraftSettings(draft);
        return succeeded;
    };
    for (DraftTeam& team : draft.draftTeams) {
        if (team.currentpick == 1 && team.draftposition == current.position) {
            team.currentpick = 0;
        }
    }
    for (DraftTeam& team : draft.draftTeams) {
        if (team.draftposition != target.position) {
            continue;
        }
        team.currentpick = 1;
        if (!clearTurnFlags(state.dbConnection, draft.template_id)) {
            reportDatabaseError(dialogs, state.dbConnection, lines.clearTurn);
            return moved(false);
        }
        if (!setTurnFlag(state.dbConnection, draft.template_id, team.teamid)) {
            reportDatabaseError(dialogs, state.dbConnection, lines.setTurn);
            return moved(false);
        }
        if (draft.drafttype == kDraftTypeSnake && target.direction != current.direction) {
            if (!writeDraftDirection(state.dbConnection, draft.template_id, target.direction)) {
                reportDatabaseError(
                    dialogs, state.dbConnection,
                    target.direction == "U" ? lines.directionUp : lines.directionDown);
                return moved(false);
            }
            draft.draftdirection = target.direction;
        }
    }
    return moved(true);
}

bool isDraftComplete(const LoadedDraft& loaded) {
    if (!loaded.draftSettings || loaded.draftSettings->drafttype == kDraftTypeAuction) {
        return false;
    }
    const int lastPick = lastPickOfDraft(*loaded.draftSettings);
    return lastPick > 0 && loaded.draftSettings->turnNumber > lastPick;
}

bool clearTurn(ProgramState& state, UserDialogs& dialogs, std::string_view logLine) {
    if (!clearTurnFlags(state.dbConnection, state.draftSettings()->template_id)) {
        reportDatabaseError(dialogs, state.dbConnection, logLine);
        return false;
    }
    state.changeDraftSettings([](DraftSettings& draft) {
        for (DraftTeam& team : draft.draftTeams) {
            team.currentpick = 0;
        }
    });
    return true;
}

bool deleteTakenPlayer(ProgramState& state, UserDialogs& dialogs, int playerid) {
    if (!deletePlayerTaken(state.dbConnection, state.draftSettings()->template_id, playerid)) {
        reportDatabaseError(dialogs, state.dbConnection, " 60002 error: could not access database");
        return false;
    }
    return true;
}

std::optional<TurnStep> skipTurnStep(ProgramState& state, UserDialogs& dialogs,
                                     const PlayerListView& list) {
    return runTurnStep(state, dialogs, list, &skipTheTurnOnTheClock);
}

std::optional<RoomView> skipTurn(ProgramState& state, UserDialogs& dialogs,
                                 const PlayerListView& list) {
    return viewOf(skipTurnStep(state, dialogs, list));
}

std::optional<TurnStep> undoLastEntry(ProgramState& state, UserDialogs& dialogs,
                                      const PlayerListView& list) {
    return runTurnStep(state, dialogs, list, &takeBackTheLastEntry);
}

std::optional<RoomView> undoLastPick(ProgramState& state, UserDialogs& dialogs,
                                     const PlayerListView& list) {
    return viewOf(undoLastEntry(state, dialogs, list));
}

}  // namespace quorvane
