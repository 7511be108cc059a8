// SPDX-License-Identifier: MIT
#include "room/Turns.h"

#include "app/ProgramState.h"
#include "app/UserDialogs.h"
#include "draftconfig/DraftLoader.h"
#include "store/TransactionGuard.h"

namespace quorvane {

namespace {

constexpr TurnLogLines kSnakeLines{
    " 60006 error: could not access database", " 60003 error: could not access database",
    " 60004 error: could not access database", " 60004 error: could not access database"};
constexpr TurnLogLines kStraightLines{
    " 60007 error: could not access database", " 60005 error: could not access database",
    " 60004 error: could not access database", " 60004 error: could not access database"};

const TurnLogLines& turnLines(const DraftSettings& draft) {
    return draft.drafttype == kDraftTypeSnake ? kSnakeLines : kStraightLines;
}

SqlValue id(int value) {
    return SqlValue{std::int64_t{value}};
}

// After a rolled-back operation the in-memory turn must match the tables again.
void reloadDraft(ProgramState& state) {
    if (state.draftSettings) {
        loadDraft(state, state.draftSettings->template_id);
    }
}

// Another program may have moved the turn since the draft was loaded; once the writer's lock
// is held, the turn read now is the one the change applies to.
void readTurnInside(ProgramState& state, const TransactionGuard& transaction) {
    if (transaction.begun()) {
        reloadDraft(state);
    }
}

bool stepTurn(ProgramState& state, UserDialogs& dialogs, bool forward) {
    if (!state.draftSettings || state.draftSettings->drafttype == kDraftTypeAuction) {
        return true;
    }
    TransactionGuard transaction(state.dbConnection);
    readTurnInside(state, transaction);
    const DraftSettings& draft = *state.draftSettings;
    const TurnPosition current = currentTurn(state);
    const TurnPosition target = forward ? nextTurn(draft.drafttype, draft.teams, current)
                                        : previousTurn(draft.drafttype, draft.teams, current);
    if (!moveTurnTo(state, dialogs, target, turnLines(draft)) || !transaction.commit()) {
        transaction.rollback();
        reloadDraft(state);
        return false;
    }
    return true;
}

// Undo with nobody on the clock: the last pick goes, and when that opens the draft again its
// team picks again, in the direction the draft ran when it picked. Runs inside the caller's
// transaction; false after the failure was shown and logged.
bool reopenDraft(ProgramState& state, UserDialogs& dialogs, std::int64_t last) {
    const DraftSettings& draft = *state.draftSettings;
    const SqlParams pick{SqlValue{last}, id(draft.template_id)};
    Recordset lastPick;
    if (!openRecordset(lastPick, state.dbConnection,
                       "select teamid from drafttaken where draftorder = ? and template_id = ?",
                       pick) ||
        !executeSql(state.dbConnection,
                    "delete from draftTaken where draftorder = ? and template_id = ?", pick)) {
        reportDatabaseError(dialogs, state.dbConnection, " 60002 error: could not access database");
        return false;
    }
    const int teamid = lastPick.eof() ? 0 : static_cast<int>(lastPick.getInt("teamid"));
    if (isDraftComplete(state)) {
        return true;
    }
    for (const DraftTeam& team : draft.draftTeams) {
        if (team.teamid == teamid) {
            return moveTurnTo(state, dialogs, {team.draftposition, draft.draftdirection},
                              turnLines(draft));
        }
    }
    return true;
}

}  // namespace

TurnPosition currentTurn(const ProgramState& state) {
    TurnPosition turn;
    if (!state.draftSettings) {
        return turn;
    }
    for (const DraftTeam& team : state.draftSettings->draftTeams) {
        if (team.currentpick == 1) {
            turn = {team.draftposition, state.draftSettings->draftdirection};
        }
    }
    return turn;
}

bool moveTurnTo(ProgramState& state, UserDialogs& dialogs, const TurnPosition& target,
                const TurnLogLines& lines) {
    DraftSettings& draft = *state.draftSettings;
    const TurnPosition current = currentTurn(state);
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
        if (!executeSql(state.dbConnection,
                        "update draftteams set currentpick = 0 where template_id = ?",
                        {id(draft.template_id)})) {
            reportDatabaseError(dialogs, state.dbConnection, lines.clearTurn);
            return false;
        }
        if (!executeSql(state.dbConnection,
                        "update draftteams set currentpick = 1 where template_id = ? and "
                        "teamid = ?",
                        {id(draft.template_id), id(team.teamid)})) {
            reportDatabaseError(dialogs, state.dbConnection, lines.setTurn);
            return false;
        }
        if (draft.drafttype == kDraftTypeSnake && target.direction != current.direction) {
            if (!executeSql(state.dbConnection,
                            "update draftTemplate set draftdirection = ? where template_id = ?",
                            {target.direction, id(draft.template_id)})) {
                reportDatabaseError(
                    dialogs, state.dbConnection,
                    target.direction == "U" ? lines.directionUp : lines.directionDown);
                return false;
            }
            draft.draftdirection = target.direction;
        }
    }
    return true;
}

int lastPickOfDraft(const DraftSettings& draft) {
    if (draft.drafttype == kDraftTypeAuction || draft.rounds() < 1) {
        return 0;
    }
    return draft.teams * draft.rounds();
}

bool isDraftComplete(ProgramState& state) {
    if (!state.draftSettings) {
        return false;
    }
    const int lastPick = lastPickOfDraft(*state.draftSettings);
    Recordset highest;
    if (lastPick < 1 ||
        !openRecordset(highest, state.dbConnection,
                       "select iif(max(draftorder) is null,0,max(draftorder)) as draftorder from "
                       "drafttaken where template_id = ?",
                       {id(state.draftSettings->template_id)})) {
        return false;
    }
    return highest.getInt("draftorder") >= lastPick;
}

bool clearTurn(ProgramState& state, UserDialogs& dialogs, std::string_view logLine) {
    DraftSettings& draft = *state.draftSettings;
    if (!executeSql(state.dbConnection,
                    "update draftteams set currentpick = 0 where template_id = ?",
                    {id(draft.template_id)})) {
        reportDatabaseError(dialogs, state.dbConnection, logLine);
        return false;
    }
    for (DraftTeam& team : draft.draftTeams) {
        team.currentpick = 0;
    }
    return true;
}

bool advanceTurn(ProgramState& state, UserDialogs& dialogs) {
    return stepTurn(state, dialogs, true);
}

bool stepTurnBack(ProgramState& state, UserDialogs& dialogs) {
    return stepTurn(state, dialogs, false);
}

std::optional<RoomView> skipTurn(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings || (!isDraftComplete(state) && !advanceTurn(state, dialogs))) {
        return std::nullopt;
    }
    return refreshMain(state, dialogs);
}

std::optional<RoomView> undoLastPick(ProgramState& state, UserDialogs& dialogs) {
    if (!state.draftSettings) {
        return std::nullopt;
    }
    TransactionGuard transaction(state.dbConnection);
    readTurnInside(state, transaction);
    const DraftSettings& draft = *state.draftSettings;
    const auto fail = [&](std::string_view line) -> std::optional<RoomView> {
        if (!line.empty()) {
            reportDatabaseError(dialogs, state.dbConnection, line);
        }
        transaction.rollback();
        reloadDraft(state);
        return std::nullopt;
    };

    Recordset highest;
    if (!openRecordset(highest, state.dbConnection,
                       "select iif(max(draftorder) is null,0,max(draftorder)) as draftorder from "
                       "drafttaken where template_id = ?",
                       {id(draft.template_id)})) {
        return fail(" 60001 error: could not access database");
    }
    const std::int64_t last = highest.eof() ? 0 : highest.getInt("draftorder");
    const TurnPosition current = currentTurn(state);

    if (last > 0 && current.position == 0 && draft.drafttype != kDraftTypeAuction) {
        return reopenDraft(state, dialogs, last) && transaction.commit()
                   ? std::optional<RoomView>(refreshMain(state, dialogs))
                   : fail("");
    }

    bool deleteLast = false;
    bool stepBack = true;
    if (last == 0) {
        // Before the first pick an undo can only take back a skip.
        stepBack = current.position != 1;
    } else if (draft.drafttype == kDraftTypeAuction) {
        deleteLast = true;
        stepBack = false;
    } else {
        const TurnPosition previous = previousTurn(draft.drafttype, draft.teams, current);
        int previousTeam = 0;
        for (const DraftTeam& team : draft.draftTeams) {
            if (team.draftposition == previous.position) {
                previousTeam = team.teamid;
            }
        }
        Recordset lastPick;
        if (!openRecordset(lastPick, state.dbConnection,
                           "select teamid from drafttaken where draftorder = ? and template_id = ?",
                           {SqlValue{last}, id(draft.template_id)})) {
            return fail(" 60002 error: could not access database");
        }
        deleteLast = !lastPick.eof() && lastPick.getInt("teamid") == previousTeam;
    }

    if (deleteLast && !executeSql(state.dbConnection,
                                  "delete from draftTaken where draftorder = ? and template_id = ?",
                                  {SqlValue{last}, id(draft.template_id)})) {
        return fail(" 60002 error: could not access database");
    }
    if (stepBack && draft.drafttype != kDraftTypeAuction) {
        const TurnPosition target = previousTurn(draft.drafttype, draft.teams, current);
        if (!moveTurnTo(state, dialogs, target, turnLines(draft))) {
            return fail("");
        }
    }
    if (!transaction.commit()) {
        return fail(" 60002 error: could not access database");
    }
    return refreshMain(state, dialogs);
}

}  // namespace quorvane
